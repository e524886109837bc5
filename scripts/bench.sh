#!/usr/bin/env bash
# Runs every benchmark headless; each prints "name: value unit" lines and ratios against its own baseline.
set -u
build=${1:-build}
status=0
for b in "$build"/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] || continue
  echo "== $(basename "$b")"
  xvfb-run -a -s "-screen 0 1920x1080x24" scripts/run-isolated.sh "$b" || status=1
done
exit $status
