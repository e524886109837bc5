#!/usr/bin/env bash
# test-windows.sh [build folder]
# Cross-builds the Windows code with MinGW-w64, 64-bit and 32-bit (the shipped program's word size),
# and runs the 64-bit test programs headless under wine64. 32-bit Windows programs cannot run here.
# Then the whole program against Qt for Windows: the shipped 32-bit velora.exe and its 64-bit twin,
# each with its deploy folder (whose imports the build checks), and the twin walked through a
# scenario under wine64 on Xvfb with a virtual card and a private sound server.
# The installers and the portable zip are made from the deploy folders (scripts/package-windows.sh),
# and the scenario installs, runs, upgrades and removes the twin with its installer.
# Qt for Windows: see scripts/windows-program.sh; a word size without one skips its whole-program
# part with a line that says how to build it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
jobs=${JOBS:-2}
# The builds below set their own parallelism; started from make, they would also take its flags and
# name every folder they enter and leave.
unset MAKEFLAGS MFLAGS MAKELEVEL

"$root/scripts/install-windows-deps.sh"

. "$root/scripts/windows-program.sh"

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
  # The installers and the zip; the scenario runs the twin's installer (and the shipped one's when
  # it could be made).
  "$root/scripts/package-windows.sh" --no-build "$build" || status=1
  "$root/scripts/with-xvfb.sh" "$root/scripts/run-isolated.sh" \
    "$root/tests/windows/program-under-wine.sh" "$build/win-x86_64" || status=1
elif [ -n "$(qt_prefix x86_64-w64-mingw32)" ]; then
  status=1
fi
exit $status
