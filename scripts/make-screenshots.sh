#!/usr/bin/env bash
# make-screenshots.sh [build folder]: takes the README's screenshots of the real program under Xvfb,
# against a virtual card and a private sound server playing a pulsed tone: the control page with a
# card, the recorder with a take, and the settings popup in Chinese. Writes doc/screenshots/*.png.
# Run it again after the look of the program changes, and commit the pictures.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
if [ -z "${VELORA_SCREENSHOT_SANDBOX:-}" ]; then
  VELORA_SCREENSHOT_SANDBOX=1 exec "$here/with-xvfb.sh" "$here/run-isolated.sh" "$0" "$build"
fi
out="$here/../doc/screenshots"
mkdir -p "$out"
export VELORA_VENDORLIB_DIR="$build"
pids=()
sound="$TMPDIR/sound"
trap 'kill "${pids[@]}" 2>/dev/null; "$here/stop-sound-server.sh" "$sound" 2>/dev/null' EXIT
"$here/start-sound-server.sh" "$sound" pulsed >/dev/null
export PULSE_SERVER="unix:$sound/native"
"$build/velora-virtualcard" --state "$HOME/card.state" --serial VC05000001024 >/dev/null 2>&1 &
pids+=($!)

# The window's X id once it is shown; the frameless window is the velora window with a size.
window() {
  for id in $(xdotool search --sync --class velora); do
    [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')" != 1x1 ] && { echo "$id"; return; }
  done
}
# shot <window> <name>: the window alone, as the desktop shows it.
shot() { import -window "$1" "$out/$2.png"; }
# click <window> <x> <y>: a click at a point of the window, in its own pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

LANG=en_US.UTF-8 "$build/velora" >/dev/null 2>&1 &
pids+=($!)
sleep 6 # the card is read 3 s after it arrives
id=$(window)
shot "$id" control-page

# The record toggle in the right panel's bottom-right corner opens the recorder; Ctrl+R records and
# stops. Seven seconds of the pulsed tone show two and a half pulses.
read -r width height < <(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
click "$id" $((width - 30)) $((height - 19))
sleep 2
id=$(window)
xdotool key ctrl+r # the keyboard goes where the pointer is: there is no window manager
sleep 7
xdotool key ctrl+r
sleep 2
shot "$id" recorder
kill "${pids[-1]}"
sleep 1

# Chinese chosen in the settings, so that the language box shows the choice.
mkdir -p "$XDG_CONFIG_HOME/Velora"
# (QSettings reads its files as Latin-1 and writes other characters as \x escapes: 简体中文.)
printf '[General]\nLanguage=\\x7b80\\x4f53\\x4e2d\\x6587\n' >"$XDG_CONFIG_HOME/Velora/zq02.conf"
"$build/velora" >/dev/null 2>&1 &
pids+=($!)
sleep 6
id=$(window)
read -r width height < <(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
click "$id" $((width - 64)) 13 # the gear in the title bar
sleep 1
shot "$id" settings-chinese
ls -l "$out"
