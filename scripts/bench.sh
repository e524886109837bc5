#!/usr/bin/env bash
# Runs every benchmark headless; each prints "name: value unit" lines and ratios against its own baseline.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
# The benchmarks run from bench/; the stand-in vendor library lies in the build folder.
export VELORA_VENDORLIB_DIR=$(cd "$build" && pwd)
status=0
for b in "$build"/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] || continue
  echo "== $(basename "$b")"
  "$here/with-xvfb.sh" "$here/run-isolated.sh" "$b" || status=1
done
exit $status
