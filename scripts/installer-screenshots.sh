#!/usr/bin/env bash
# installer-screenshots.sh <build folder> <folder for the pictures>
# Takes pictures of the installer's pages under wine64 on the X server in $DISPLAY (run it through
# scripts/with-xvfb.sh after make package-windows): the language choice at its start, the components
# page in English, the welcome and components pages in Simplified Chinese. The installer is the
# 64-bit twin's, made by the same script as the shipped one; it is ended before it installs anything.
set -eu
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
scripts=$(cd "$(dirname "$0")" && pwd)
version=$(sed -n 's/^project(velora VERSION \([0-9.]*\).*/\1/p' "$scripts/../CMakeLists.txt")
setup=$build/win-x86_64/Velora-$version-x64-setup.exe
prefix=$build/win-x86_64/wineprefix-shots
export VELORA_WINE_DRIVER=x11 LANG=en_US.UTF-8
run() { "$scripts/wine-run.sh" "$prefix" "$@"; }
trap 'WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null' EXIT

run
mkdir -p "$prefix/drive_c"
# Wine has neither Windows' Chinese fonts nor Chinese in its own dialog font: the Chinese pages'
# font (SimSun) is the CJK font installed with the dependencies, and the dialogs fall back to it.
# (A registry file in UTF-16 carries the Chinese name; wine's command line here is not Unicode.)
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"SimSun"="WenQuanYi Micro Hei"\r\n"宋体"="WenQuanYi Micro Hei"\r\n' |
  iconv -f UTF-8 -t UTF-16 >"$prefix/drive_c/fonts.reg"
run regedit /s 'C:\fonts.reg' >/dev/null 2>&1
run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
  /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1

# window <title>: the id of the visible window of that title, waited for.
window() {
  local id
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  echo "no window '$1'" >&2
  return 1
}
shoot() { sleep 1.5; timeout 10 import -window "$1" "$out/$2.png"; }

# pages <language> <key that chooses it>: the installer's pages in that language (with Chinese the
# language dialog and the welcome page too), up to the components page.
pages() {
  local id
  run "$(printf 'Z:%s' "${setup//\//\\}")" >/dev/null 2>&1 &
  id=$(window "Installer Language")
  [ -n "$2" ] && xdotool key --window "$id" "$2"
  [ "$1" = zh ] && shoot "$id" installer-language
  xdotool key --window "$id" Return
  id=$(window "Velora")
  [ "$1" = zh ] && shoot "$id" "installer-$1-welcome"
  xdotool key --window "$id" Return
  shoot "$id" "installer-$1-components"
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k
  wait
}
pages en ""
pages zh Down
ls "$out"/installer-*.png
