#!/usr/bin/env bash
# test-sanitize.sh [folder]: the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own (build/sanitize by default), then run as `make test` runs it. A memory error
# or undefined behaviour ends the program that meets it, so the test fails.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$root/build/sanitize}" && cd "${1:-$root/build/sanitize}" && pwd)
unset MAKEFLAGS MFLAGS MAKELEVEL
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORA_SANITIZE=ON \
  -DVELORA_WERROR="${VELORA_WERROR:-OFF}" >/dev/null || exit 1
cmake --build "$dir" -j "${JOBS:-2}" || exit 1
# Leaks are not looked for: Qt and the system libraries keep allocations until the process ends.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec "$root/scripts/test.sh" "$dir"
