#!/usr/bin/env bash
# Starts Velora from the build folder. When no card is plugged in (no supported HID device and no
# virtual card on the bus), it first plugs in a virtual zq05 card, whose settings persist in the
# user's data folder, and pulls it out again when Velora ends.
set -u
build=${1:-build}
bus="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -un)}/velora-bus"
data="${XDG_DATA_HOME:-$HOME/.local/share}/Norvane/velora"

# A real card is a raw HID device with a model's ids; the virtual card names the models and their ids.
real_card_present() {
  local model vid pid
  while read -r model vid pid; do
    grep -qsiE "^HID_ID=[0-9A-F]+:0000$vid:0000$pid\$" /sys/class/hidraw/*/device/uevent && return 0
  done < <("$build/velora-virtualcard" --list-models)
  return 1
}

# A virtual card is on the bus while a process listens on its socket; a file left by a killed card
# refuses the connection. (The kernel's socket list does not help: a card binds its socket elsewhere
# and then moves it into the bus folder.)
virtual_card_present() {
  local socket
  for socket in "$bus"/*; do
    [ -S "$socket" ] && perl -MIO::Socket::UNIX -e \
      'exit(IO::Socket::UNIX->new(Type => SOCK_STREAM(), Peer => $ARGV[0]) ? 0 : 1)' "$socket" && return 0
  done
  return 1
}

card_pid=""
stop_card() {
  [ -n "$card_pid" ] && kill "$card_pid" 2>/dev/null && wait "$card_pid" 2>/dev/null
  card_pid=""
}

if [ -x "$build/velora-virtualcard" ] && ! real_card_present && ! virtual_card_present; then
  mkdir -p "$data/virtualcard"
  "$build/velora-virtualcard" --model zq05 --state "$data/virtualcard/zq05.state" &
  card_pid=$!
  trap stop_card EXIT
  trap 'exit 130' INT TERM
  # Let the card show itself on the bus, so that Velora finds it at start-up.
  for _ in $(seq 50); do
    virtual_card_present && break
    kill -0 "$card_pid" 2>/dev/null || { echo "the virtual card did not start" >&2; card_pid=""; break; }
    sleep 0.1
  done
fi

"$build/velora"
