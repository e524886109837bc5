#!/usr/bin/env bash
# Stops the sound server that scripts/start-sound-server.sh started in the folder given, and its tone.
set -u
dir=${1:?usage: stop-sound-server.sh <folder>}
[ -d "$dir" ] || exit 0
dir=$(cd "$dir" && pwd)
if [ -s "$dir/tone.pid" ]; then
  # The tone runs in a session of its own: end that whole process group, nothing else.
  kill -- -"$(cat "$dir/tone.pid")" 2>/dev/null
  rm -f "$dir/tone.pid"
fi
export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime"
export PULSE_SERVER="unix:$dir/native"
pulseaudio -k 2>/dev/null
for _ in $(seq 50); do
  [ -S "$dir/native" ] && pactl info >/dev/null 2>&1 || break
  sleep 0.1
done
exit 0
