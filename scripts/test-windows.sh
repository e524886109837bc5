#!/usr/bin/env bash
# test-windows.sh [build folder]
# Cross-builds the Windows code with MinGW-w64, 64-bit and 32-bit (the shipped program's word size),
# and runs the 64-bit test programs headless under wine64. 32-bit Windows programs cannot run here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
jobs=${JOBS:-2}
# The builds below set their own parallelism; started from make, they would also take its flags and
# name every folder they enter and leave.
unset MAKEFLAGS MFLAGS MAKELEVEL

"$root/scripts/install-windows-deps.sh"
for arch in x86_64 i686; do
  dir=$build/windows-$arch
  cmake -S "$root/windows" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$arch.cmake" >/dev/null
  cmake --build "$dir" -j "$jobs"
done

# The 32-bit build's tests read its files on this machine; nothing of it runs under wine.
status=0
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
exit $status
