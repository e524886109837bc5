#!/usr/bin/env bash
# Builds the Qt-free Windows calls of the application shell and of card detection with the MinGW-w64
# cross compiler, together with the executable's version resource, and tries them under wine64
# (needs g++-mingw-w64-x86-64-win32, wine64).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/win32}
mkdir -p "$out"
version=$(sed -n 's/^project(velora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor patch tweak <<< "$version"
sed -e "s/@PROJECT_VERSION_MAJOR@/$major/g" -e "s/@PROJECT_VERSION_MINOR@/$minor/g" \
    -e "s/@PROJECT_VERSION_PATCH@/$patch/g" -e "s/@PROJECT_VERSION_TWEAK@/$tweak/g" \
    -e "s/@PROJECT_VERSION@/$version/g" "$root/app/velora.rc.in" > "$out/velora.rc"
x86_64-w64-mingw32-windres "$out/velora.rc" -O coff -o "$out/velora_rc.o"
x86_64-w64-mingw32-g++ -std=c++17 -O1 -static -I"$root" -o "$out/tst_win32shell.exe" \
  "$root/tests/app/win32/tst_win32shell.cpp" "$root/app/win32shell_win.cpp" "$out/velora_rc.o" -ldbghelp -lversion
x86_64-w64-mingw32-g++ -std=c++17 -O1 -static -I"$root" -o "$out/tst_win32hid.exe" \
  "$root/tests/card/win32/tst_win32hid.cpp" "$root/device/win32hid_win.cpp" -lsetupapi -lhid
export WINEPREFIX="$out/wineprefix" WINEDEBUG=-all
status=0
/usr/lib/wine/wine64 "$out/tst_win32shell.exe" "$version" || status=1
/usr/lib/wine/wine64 "$out/tst_win32hid.exe" || status=1
exit $status
