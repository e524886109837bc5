#!/usr/bin/env bash
# Runs a command against an X server of its own. The server picks a free display number itself
# (-displayfd), so runs side by side never race for one or share one.
set -u
dir=$(mktemp -d "${TMPDIR:-/tmp}/velora-xvfb.XXXXXX")
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
if [ ! -s "$dir/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  kill "$xvfb" 2>/dev/null
  rm -rf "$dir"
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$dir/display")"
"$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$dir"
exit $status
