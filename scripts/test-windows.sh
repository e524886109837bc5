#!/usr/bin/env bash
# test-windows.sh [build folder]
# Cross-builds the Windows code with MinGW-w64, 64-bit and 32-bit (the shipped program's word size),
# and runs the 64-bit test programs headless under wine64. 32-bit Windows programs cannot run here.
# Then the whole program against Qt for Windows: the shipped 32-bit velora.exe and its 64-bit twin,
# each with its deploy folder (whose imports the build checks), and the twin walked through a
# scenario under wine64 on Xvfb with a virtual card and a private sound server.
# Qt for Windows is taken from $VELORA_QT_WINDOWS, else from ../shared/qt5-windows/ beside the
# clone, else from the machine's cache that scripts/build-qt-windows.sh fills; a word size without
# one skips its whole-program part with a line that says how to build it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
jobs=${JOBS:-2}
# The builds below set their own parallelism; started from make, they would also take its flags and
# name every folder they enter and leave.
unset MAKEFLAGS MFLAGS MAKELEVEL

"$root/scripts/install-windows-deps.sh"

# qt_prefix <triplet>: prints the Qt for Windows prefix to build against, unpacking an archive
# under the build folder where that is what is found; prints nothing when there is none.
qt_prefix() {
  local name=qt-5.15.8-$1 folder
  for folder in ${VELORA_QT_WINDOWS:+"$VELORA_QT_WINDOWS"} "$root/../shared/qt5-windows"; do
    if [ -f "$folder/$name/lib/cmake/Qt5/Qt5Config.cmake" ]; then
      echo "$folder/$name"
      return
    fi
    if [ -f "$folder/$name.tar.xz" ]; then
      if [ ! -f "$build/qt-windows/$name/.unpacked" ]; then
        rm -rf "$build/qt-windows/$name"
        mkdir -p "$build/qt-windows"
        tar -xJf "$folder/$name.tar.xz" -C "$build/qt-windows"
        touch "$build/qt-windows/$name/.unpacked"
      fi
      echo "$build/qt-windows/$name"
      return
    fi
  done
  # A build of scripts/build-qt-windows.sh counts once it has finished.
  [ -f "/var/cache/velora/$name/.velora-complete" ] && echo "/var/cache/velora/$name"
  return 0
}

# build_program <arch>: velora.exe, its deploy folder, the virtual card and the stand-in library for
# <arch> in $build/win-<arch>; false (after one line saying why) when there is no Qt for it.
build_program() {
  local arch=$1 prefix
  prefix=$(qt_prefix "$arch-w64-mingw32")
  if [ -z "$prefix" ]; then
    echo "SKIP the whole $arch program: no Qt for $arch Windows; build it with" \
      "scripts/build-qt-windows.sh $arch (about 70 minutes) or set VELORA_QT_WINDOWS"
    return 1
  fi
  cmake -S "$root" -B "$build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/qt-windows-$arch.cmake" \
    -DVELORA_QT_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DVELORA_WERROR=ON >/dev/null
  cmake --build "$build/win-$arch" -j "$jobs"
}

status=0
# The program built against Qt for Windows compiles the Qt-facing Windows code for real; the check
# against the Linux Qt headers is only worth its time without it.
glue=ON
if build_program i686; then
  glue=OFF
else
  [ -n "$(qt_prefix i686-w64-mingw32)" ] && status=1
fi

for arch in x86_64 i686; do
  dir=$build/windows-$arch
  cmake -S "$root/windows" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$arch.cmake" \
    -DVELORA_QT_GLUE_CHECK=$glue >/dev/null
  cmake --build "$dir" -j "$jobs"
done

# The 32-bit build's tests read its files on this machine; nothing of it runs under wine.
(cd "$build/windows-i686" && ctest --output-on-failure) || status=$?

dir=$build/windows-x86_64
prefix=$dir/wineprefix
# The first use of a prefix takes a while; doing it here keeps it out of every test's time.
"$root/scripts/wine-run.sh" "$prefix"
(cd "$dir" && ctest --output-on-failure -j 2) || status=$?
# CTest shows a program as passed when only some of its cases were skipped: name those cases.
grep -h "^SKIP " "$dir/Testing/Temporary/LastTest.log" || true
# Leave no wine processes behind.
WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true

if build_program x86_64; then
  "$root/scripts/with-xvfb.sh" "$root/scripts/run-isolated.sh" \
    "$root/tests/windows/program-under-wine.sh" "$build/win-x86_64" || status=1
elif [ -n "$(qt_prefix x86_64-w64-mingw32)" ]; then
  status=1
fi
exit $status
