#!/usr/bin/env bash
# package-windows.sh [--ffmpeg <ffmpeg.exe>] [--no-build] [build folder]
# Builds the Windows program (scripts/windows-program.sh) and makes from the 32-bit deploy folder
# what users get: the NSIS installer <build>/Velora-<version>-setup.exe and the portable zip
# <build>/Velora-<version>-portable.zip; and from the 64-bit twin's deploy folder the twin's
# installer <build>/win-x86_64/Velora-<version>-x64-setup.exe, made by the same script on the same
# stub, which the scenario under wine64 runs. With --ffmpeg, that file goes into both as ffmpeg.exe
# beside velora.exe (export needs it); without, export stays unavailable until one is put there.
# --no-build packs the deploy folders as they are (make test-windows has just built them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ffmpeg=
build_first=yes
while [ $# -gt 0 ]; do
  case $1 in
    --ffmpeg) ffmpeg=$(realpath "$2"); shift 2 ;;
    --no-build) build_first=; shift ;;
    *) break ;;
  esac
done
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
jobs=${JOBS:-2}
unset MAKEFLAGS MFLAGS MAKELEVEL
"$root/scripts/install-windows-deps.sh"
. "$root/scripts/windows-program.sh"
version=$(sed -n 's/^project(velora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

# The native name Qt gives the one-running-copy segment "veloraKey05" on Windows: its prefix, the
# key's letters, the SHA-1 of the key in hex.
key=veloraKey05
segment=qipc_sharedmemory_${key//[^a-zA-Z]/}$(printf %s "$key" | sha1sum | cut -d' ' -f1)

# nsis_path <path>: the path as makensis (a Linux program) reads it, with NSIS's "$" escaped.
nsis_path() { printf '%s' "${1//\$/\$\$}"; }

# file_lists <staging folder> <install list> <uninstall list>: NSIS lines that install every file of
# the folder under $INSTDIR, and lines that delete exactly those files, then their folders, deepest
# first (a folder the user put something into stays).
file_lists() {
  local from=$1 dir file
  : >"$2"
  : >"$3"
  while IFS= read -r dir; do
    dir=${dir#.}
    printf 'SetOutPath "$INSTDIR%s"\n' "${dir//\//\\}" >>"$2"
    while IFS= read -r file; do
      printf 'File "%s"\n' "$(nsis_path "$from$dir/$file")" >>"$2"
      printf 'Delete "$INSTDIR%s\\%s"\n' "${dir//\//\\}" "$file" >>"$3"
    done < <(cd "$from$dir" && find . -maxdepth 1 -type f -printf '%f\n' | sort)
  done < <(cd "$from" && find . -type d | sort)
  (cd "$from" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r dir; do
    dir=${dir#.}
    printf 'RMDir "$INSTDIR%s"\n' "${dir//\//\\}" >>"$3"
  done
}

# installer <arch> <bits> <installer file>: the installer of $build/win-<arch>/deploy (and ffmpeg.exe).
installer() {
  local arch=$1 bits=$2 out=$3 work=$build/win-$1/installer
  rm -rf "$work"
  mkdir -p "$work"
  cp -a "$build/win-$arch/deploy" "$work/files"
  [ -n "$ffmpeg" ] && cp "$ffmpeg" "$work/files/ffmpeg.exe"
  file_lists "$work/files" "$work/files.nsh" "$work/unfiles.nsh"
  local started=$SECONDS
  makensis -V2 -WX -INPUTCHARSET UTF8 -DVERSION="$version" -DBITS="$bits" -DOUTFILE="$out" \
    -DFILES="$work/files.nsh" -DUNFILES="$work/unfiles.nsh" \
    -DSIZE_KB="$(du -sk "$work/files" | cut -f1)" -DSEGMENT="$segment" \
    -DICON="$root/windows/program/velora.ico" "$root/windows/installer/velora.nsi"
  echo "$out: $(du -k "$out" | cut -f1) KB in $((SECONDS - started)) s"
}

# deployed <arch>: the program for <arch> is built (unless --no-build) and its deploy folder is there.
deployed() {
  if [ -n "$build_first" ]; then
    build_program "$1"
  else
    [ -f "$build/win-$1/deploy/velora.exe" ] || { echo "SKIP $1: no deploy folder in $build/win-$1"; return 1; }
  fi
}

status=0
if deployed i686; then
  installer i686 32 "$build/Velora-$version-setup.exe"
  zip=$build/Velora-$version-portable.zip
  rm -f "$zip"
  # The zip unpacks into one folder named like the installer.
  ln -sfn "$build/win-i686/installer/files" "$build/win-i686/Velora-$version"
  (cd "$build/win-i686" && zip -q -r -9 -X "$zip" "Velora-$version")
  rm "$build/win-i686/Velora-$version"
  echo "$zip: $(du -k "$zip" | cut -f1) KB"
else
  # A word size without Qt for Windows is skipped (its line says so); any other failure counts.
  [ -n "$(qt_prefix i686-w64-mingw32)" ] && status=1
fi
if deployed x86_64; then
  installer x86_64 64 "$build/win-x86_64/Velora-$version-x64-setup.exe"
else
  [ -n "$(qt_prefix x86_64-w64-mingw32)" ] && status=1
fi
exit $status
