#!/usr/bin/env bash
# Starts Velora from the build folder; with no card plugged in (real or virtual) a virtual zq05 card
# runs beside it and is pulled out when Velora ends.
set -u
build=${1:-build}
bus="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -un)}/velora-bus"

real_card_present() {
  grep -qsiE '^HID_ID=0003:00000C76:0000100[01]$' /sys/class/hidraw/*/device/uevent
}

# A listening socket of a running virtual card shows in the kernel's list; a file left by a killed card does not.
virtual_card_present() {
  grep -qsF "$bus/velora-vcard#VID_0C76&PID_100" /proc/net/unix
}

card=""
if [ -x "$build/velora-virtualcard" ] && ! real_card_present && ! virtual_card_present; then
  "$build/velora-virtualcard" --model zq05 &
  card=$!
  trap 'kill "$card" 2>/dev/null; wait "$card" 2>/dev/null' EXIT
fi
"$build/velora"
