#!/usr/bin/env bash
# program-under-wine.sh <64-bit program build folder> [<folder for screenshots>]
# Walks the deployed 64-bit twin of velora.exe through one session under wine64, drawing with wine's
# X11 driver on the X server in $DISPLAY (scripts/with-xvfb.sh), with a virtual card built for Windows
# and a private sound server: the window shows and finds the card and reads it, a slider moved with
# the pointer is written to the card once, a second start brings the first window forward and ends
# with 0, a take recorded through wine's audio holds the tone, and the card pulled out is seen gone.
# Run it under scripts/run-isolated.sh. Prints PASS/FAIL per step, the start time to the first frame,
# and exits non-zero when a step failed. With a screenshot folder, leaves the window's pictures
# there: wine-control-page.png, wine-recorder.png.
set -u
build=$(cd "$1" && pwd)
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../../scripts
prefix=$build/wineprefix-x11
work=$(mktemp -d "${TMPDIR:-/tmp}/velora-wine.XXXXXX")
serial=VCW0500000042
export VELORA_WINE_DRIVER=x11 LANG=en_US.UTF-8
# Wine's search path: the card finds Qt's DLLs in the deploy folder, the program the stand-in
# library in the build folder (the deploy folder ships no stand-in).
winpath() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPATH="$(winpath "$build/deploy");$(winpath "$build")"
run() { "$scripts/wine-run.sh" "$prefix" "$@"; }

failures=0
pass() { echo "PASS $1"; }
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
# wait_for <seconds> <command...>: true once the command succeeds, false when the time runs out.
wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

pids=()
cleanup() {
  kill -9 "${pids[@]}" 2>/dev/null
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  "$scripts/stop-sound-server.sh" "$work/sound" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

run # the prefix, made once per build folder
user=$prefix/drive_c/users/$(id -un)
# Nothing of an earlier run: no card left on the bus, no settings, logs or takes.
rm -rf "$user/velora-bus" "$user/AppData/Local/Norvane" "$user/AppData/Roaming/Norvane"
"$scripts/start-sound-server.sh" "$work/sound" >/dev/null || { echo "FAIL the sound server did not start"; exit 1; }
export PULSE_SERVER=unix:$work/sound/native

# The window's X id: the program's mapped window that has a size.
window() {
  local id
  for id in $(xdotool search --onlyvisible --class velora.exe 2>/dev/null); do
    [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')" != 1x1 ] && { echo "$id"; return 0; }
  done
  return 1
}
# A drawn frame has more than a handful of colours; an empty window has one. A grab of a window that
# is being replaced can hang, hence the time limits on import.
drawn() { [ "$(timeout 5 import -window "$1" png:- 2>/dev/null | identify -format %k - 2>/dev/null || echo 0)" -gt 50 ]; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
card_writes() { grep -c '^write ' "$work/card.log"; }
shot() { [ -n "$shots" ] && timeout 10 import -window "$1" "$shots/$2.png"; }
logged() { cat "$user/AppData/Local/Norvane/velora/Log/"* 2>/dev/null | grep -q "$1"; }
status_json() { run "$build/deploy/velora.exe" --status --json 2>/dev/null; }

# Started without the function's subshell, so that $! is the card's own process (wine-run.sh ends in
# exec): killing it is pulling the card out.
"$scripts/wine-run.sh" "$prefix" "$build/velora-virtualcard.exe" --model zq05 --serial "$serial" --log \
  >"$work/card.log" 2>&1 &
pids+=($!)
card=$!
if wait_for 60 grep -q "plugged in" "$work/card.log"; then
  pass "the virtual card for Windows plugs in"
else
  fail "the virtual card for Windows plugs in"; cat "$work/card.log"; exit 1
fi

started=$(date +%s.%N)
"$scripts/wine-run.sh" "$prefix" "$build/deploy/velora.exe" >"$work/velora.out" 2>&1 &
pids+=($!)
velora=$!
# The window is looked up again each time: the first one mapped may be replaced before it draws.
window_drawn() { local id; id=$(window) && drawn "$id"; }
if wait_for 120 window_drawn && id=$(window); then
  echo "start to first frame: $(echo "$(date +%s.%N) - $started" | bc) s"
  pass "the window shows with its scene drawn"
else
  fail "the window shows with its scene drawn"; cat "$work/velora.out"; exit 1
fi

# The card is read a few seconds after it is found.
if wait_for 30 grep -q '^read 53:' "$work/card.log" && wait_for 30 logged "Device insertion detected"; then
  pass "the card is found and read"
else
  fail "the card is found and read"
fi
sleep 2
status=$(status_json)
if grep -q "\"serial\": *\"$serial\"" <<<"$status" && grep -q '"connected": *true' <<<"$status"; then
  pass "the running window states the card connected with its serial number"
else
  fail "the running window states the card connected with its serial number: $status"
fi
shot "$id" wine-control-page

# The 60 Hz slider's track, below its handle: one press and release moves it there.
before=$(card_writes)
written() { [ "$(card_writes)" -gt "$before" ]; }
click "$id" 353 340
wait_for 10 written
sleep 2
if [ "$(card_writes)" -eq $((before + 1)) ]; then
  pass "a slider moved with the pointer is written to the card once"
else
  fail "a slider moved with the pointer is written to the card once ($before, then $(card_writes) writes)"
fi

# Another window covers the first one; the second start brings the first back on top.
read -r left top < <(xdotool getwindowgeometry "$id" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
pixel() { timeout 5 import -window root -crop "1x1+$((left + 600))+$((top + 300))" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | tail -1; }
uncovered=$(pixel)
on_top() { [ "$(pixel)" = "$uncovered" ]; }
LANG=C xmessage -geometry "835x502+$left+$top" cover 2>/dev/null &
pids+=($!)
cover=$!
wait_for 10 eval '! on_top'
timeout 60 "$scripts/wine-run.sh" "$prefix" "$build/deploy/velora.exe" >/dev/null 2>&1
second=$?
if [ $second -eq 0 ] && kill -0 "$velora" 2>/dev/null && wait_for 10 on_top; then
  pass "a second start brings the first window to the front and ends with 0"
else
  fail "a second start brings the first window to the front and ends with 0 (exit $second)"
fi
kill "$cover"

# The record toggle in the right panel's bottom-right corner opens the recorder; Ctrl+R records and
# stops.
read -r width height < <(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
click "$id" $((width - 30)) $((height - 19))
sleep 2
id=$(window)
# The keyboard goes where the pointer is: there is no window manager.
xdotool mousemove --window "$id" 400 300
xdotool key ctrl+r
sleep 5
xdotool key ctrl+r
sleep 3
take=$(find -L "$user" "$HOME" -name '*.wav' -newer "$work/card.log" 2>/dev/null | head -1)
level=$([ -n "$take" ] && ffmpeg -nostdin -hide_banner -i "$take" -af "bandpass=f=440:width_type=h:w=100,volumedetect" -f null - 2>&1 |
  sed -n 's/.*mean_volume: \(-*[0-9.]*\) dB/\1/p')
if [ -n "$level" ] && [ "$(echo "$level > -35" | bc)" = 1 ]; then
  pass "a take recorded through wine's audio holds the tone ($level dB at 440 Hz)"
else
  fail "a take recorded through wine's audio holds the tone (take '${take:-none}', level '${level:-none}')"
fi
shot "$id" wine-recorder

kill -9 "$card"
# A command through the window then answers as for no card: exit 2, and nothing on standard output.
answer=
card_gone() { answer=$(status_json); [ $? -eq 2 ] && [ -z "$answer" ]; }
if wait_for 30 card_gone; then
  pass "the card pulled out is seen gone"
else
  fail "the card pulled out is seen gone: $answer"
fi

echo "$failures step(s) failed"
[ $failures -eq 0 ]
