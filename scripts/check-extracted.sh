#!/usr/bin/env bash
# check-extracted.sh <root> <screenshot>: starts the velora of an extracted package (nothing of the
# build folder) against its own virtual card and waits for the window, its icon, the card in its log
# and a command carried out through it. Run by check-package.sh under Xvfb in a sandbox.
set -u
root=$1
shot=$2
log=$(mktemp)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -f "$log"' EXIT
fail() { echo "extracted package: $*" >&2; exit 1; }
wait_for() { # seconds, command...
  local limit=$(($1 * 10)); shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}

"$root/usr/bin/velora-virtualcard" --state "$HOME/card.state" --log >"$log" 2>&1 &
pids+=($!)
"$root/usr/bin/velora" >/dev/null 2>&1 &
pids+=($!)

window_with_icon() {
  for id in $(xdotool search --class velora 2>/dev/null); do
    xprop -id "$id" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (128 x 128)' && return 0
  done
  return 1
}
wait_for 20 window_with_icon || fail "no window with the 128 x 128 icon appeared"
card_read() { grep -q '^read 52:F0' "$log"; }
wait_for 20 card_read || fail "the window did not read the virtual card"
logged() { grep -rqs 'Device insertion detected' "$XDG_DATA_HOME/Norvane/velora/Log"; }
wait_for 10 logged || fail "the window's log does not record the card"
"$root/usr/bin/velora" --mic-mute on || fail "the command through the window failed"
grep -q '^write 52:F0 00 00 01' "$log" || fail "the command's write did not reach the card"
sleep 0.5
import -window root "$shot" 2>/dev/null
echo "extracted package: window with icon, card read and logged, command carried out ($shot)"
