#!/usr/bin/env bash
# program-under-wine.sh <64-bit program build folder> [<folder for screenshots>]
# Walks the 64-bit twin of velora.exe, installed by its installer, through one session under wine64,
# drawing with wine's X11 driver on the X server in $DISPLAY (scripts/with-xvfb.sh), with a virtual
# card built for Windows and a private sound server. First the shipped 32-bit installer (beside the
# build folder, from scripts/package-windows.sh) installs silently: its files and its Apps & features
# entry are checked, and it is removed again. Then the twin's installer installs silently into a
# folder with spaces; started from its Start-menu shortcut's target, the window shows and finds the
# card and reads it, a command typed in cmd prints its JSON and cmd sees its exit code, a slider
# moved with the pointer is written to the card once, a second start brings the first window forward
# and ends with 0, a take recorded through wine's audio holds the tone, and the card pulled out is
# seen gone. An upgrade is refused while Velora runs and done after it ended, keeping setting.ini;
# the silent uninstall leaves no program file and keeps the user's data.
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
export VELORA_WINE_DRIVER=x11 LANG=C.UTF-8
# Wine's search path: the installed program finds the stand-in library in the build folder (nothing
# installed ships one); the card finds Qt's DLLs in the deploy folder.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPATH="$(winpath "$build")"
card_path="$(winpath "$build/deploy");$(winpath "$build")"
run() { "$scripts/wine-run.sh" "$prefix" "$@"; }
# in_cmd <folder> <command line>: the line run by wine's cmd in that folder, as typed at its prompt.
in_cmd() { (cd "$1" && run cmd /v:on /c "$2" 2>/dev/null | tr -d '\r'); }

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
# Serves the requests of ffmpegbridge.c: the arguments in, the output, errors and exit code out.
spool=$work/ffmpeg-spool
serve_ffmpeg() {
  local request id args
  while :; do
    for request in "$spool"/*.args; do
      [ -e "$request" ] || continue
      id=${request%.args}
      mapfile -d '' -t args <"$request"
      rm "$request"
      ffmpeg "${args[@]}" >"$id.out" 2>"$id.err"
      echo $? >"$id.code.part"
      mv "$id.code.part" "$id.code"
    done
    sleep 0.1
  done
}
cleanup() {
  kill -9 "${pids[@]}" 2>/dev/null
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  "$scripts/stop-sound-server.sh" "$work/sound" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A user whose name has a space and is not ASCII, as C:\Users\测试用户 is on Windows: takes, versions,
# the export, the log and setting.ini all live under that folder (wine names it after $USER).
export USER='测试 用户' LOGNAME='测试 用户'
run # the prefix, made once per build folder
user=$prefix/drive_c/users/$USER
version=$(sed -n 's/^project(velora VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
twin_setup=$build/Velora-$version-x64-setup.exe
product_setup=$build/../Velora-$version-setup.exe
product=$prefix/drive_c/Program\ Files\ \(x86\)/Velora
installed=$prefix/drive_c/Velora\ Test/Program\ Files/Velora
shortcut=$prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Velora.lnk
uninstall_key='Microsoft\Windows\CurrentVersion\Uninstall\Velora'
# Nothing of an earlier run: no card left on the bus, no settings, logs or takes, nothing installed.
# The Music folder is a folder of the prefix's own, as on Windows (wine links it to the home folder
# of the run that made the prefix).
rm -rf "$user/velora-bus" "$user/AppData/Local/Norvane" "$user/AppData/Roaming/Norvane" "$product" \
  "$installed" "$shortcut" "$user/Music"
mkdir -p "$user/Music" "$spool"
export VELORA_FFMPEG_SPOOL=$(winpath "$spool")
serve_ffmpeg &
pids+=($!)
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
# A command as typed in cmd in the program's folder (velora.com answers), and the code cmd sees.
status_json() { in_cmd "$installed" 'velora --status --json & echo exit=!ERRORLEVEL!'; }

# files_of <folder>: its files, one relative path a line, sorted.
files_of() { (cd "$1" && find . -type f | sort); }
# entry <registry view> <value>: a value of the Apps & features entry.
entry() {
  run reg query "HKLM\\Software\\$1$uninstall_key" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
# shortcut_target <.lnk>: the Windows path of the program it starts.
shortcut_target() { strings -n 8 "$1" | grep -i -m1 '^[A-Z]:\\.*velora\.exe$'; }
# uninstalled <folder>: the uninstaller, which goes on in a copy of itself, has removed the folder.
uninstalled() { [ ! -e "$1" ]; }
# quiet_uninstall <registry view>: runs the entry's quiet uninstall command: a quoted program and its
# options, split as Windows splits them.
quiet_uninstall() {
  local command words
  command=$(entry "$1" QuietUninstallString)
  [[ $command == '"'*'" /S' ]] || return 1
  eval "words=($command)"
  run "${words[@]}"
}

if [ -f "$product_setup" ]; then
  # The shipped installer is a 64-bit program too: what users get runs here, then is removed.
  run cmd /c "$(winpath "$(realpath "$product_setup")") /S"
  code=$?
  view=Wow6432Node\\
  expected=$(files_of "$build/../win-i686/installer/files"; echo ./uninstall.exe)
  if [ $code -eq 0 ] && [ "$(files_of "$product")" = "$(sort <<<"$expected")" ] &&
    [ "$(entry "$view" DisplayName)|$(entry "$view" DisplayVersion)|$(entry "$view" Publisher)" = "Velora|$version|Norvane" ] &&
    [ "$(entry "$view" DisplayIcon)" = 'C:\Program Files (x86)\Velora\velora.exe,0' ] &&
    [ "$(entry "$view" UninstallString)" = '"C:\Program Files (x86)\Velora\uninstall.exe"' ] &&
    [ "$(entry "$view" EstimatedSize)" != 0x0 ] && [ -n "$(entry "$view" EstimatedSize)" ] &&
    [ "$(shortcut_target "$shortcut")" = 'C:\Program Files (x86)\Velora\velora.exe' ]; then
    pass "the shipped installer installs the 32-bit program into Program Files (x86) with its Apps & features entry"
  else
    fail "the shipped installer installs the 32-bit program into Program Files (x86) with its Apps & features entry (exit $code)"
    diff <(files_of "$product") <(sort <<<"$expected") | head
  fi
  if quiet_uninstall "$view" && wait_for 60 uninstalled "$product" && [ ! -e "$shortcut" ] &&
    [ -z "$(entry "$view" DisplayName)" ]; then
    pass "its quiet uninstall removes its files, shortcut and entry"
  else
    fail "its quiet uninstall removes its files, shortcut and entry (left: $(ls -d "$product" "$shortcut" 2>/dev/null)," \
      "entry '$(entry "$view" DisplayName)')"
  fi
else
  echo "SKIP the shipped installer: $product_setup is not there (scripts/package-windows.sh makes it)"
fi

# The twin's installer, silent, into a folder with spaces given as an administrator types it.
started=$(date +%s.%N)
run cmd /c "$(winpath "$twin_setup") /S /D=C:\Velora Test\Program Files\Velora"
code=$?
echo "silent install of the twin: $(echo "$(date +%s.%N) - $started" | bc) s"
target=$(shortcut_target "$shortcut")
if [ $code -eq 0 ] && [ "$target" = 'C:\Velora Test\Program Files\Velora\velora.exe' ] &&
  [ -f "$installed/velora.exe" ] && [ -f "$installed/velora.com" ] && [ -f "$installed/qt.conf" ]; then
  pass "the twin's installer installs silently into the folder given with /D="
else
  fail "the twin's installer installs silently into the folder given with /D= (exit $code, shortcut '$target')"
  exit 1
fi

# Started without the function's subshell, so that $! is the card's own process (wine-run.sh ends in
# exec): killing it is pulling the card out.
WINEPATH=$card_path "$scripts/wine-run.sh" "$prefix" "$build/velora-virtualcard.exe" --model zq05 --serial "$serial" --log \
  >"$work/card.log" 2>&1 &
pids+=($!)
card=$!
# Killed on purpose below: the shell need not announce it.
disown "$card"
if wait_for 60 grep -q "plugged in" "$work/card.log"; then
  pass "the virtual card for Windows plugs in"
else
  fail "the virtual card for Windows plugs in"; cat "$work/card.log"; exit 1
fi

started=$(date +%s.%N)
# Qt's own file dialog: wine's comdlg32 faults on the native save dialog Qt opens. Wine passes no QT_
# variable on from the Unix environment; the user's environment in the registry it does.
run reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d windows:dialogs=none /f >/dev/null 2>&1
"$scripts/wine-run.sh" "$prefix" "$target" >"$work/velora.out" 2>&1 &
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
if grep -q "\"serial\": *\"$serial\"" <<<"$status" && grep -q '"connected": *true' <<<"$status" &&
  [ "$(tail -1 <<<"$status")" = exit=0 ]; then
  pass "velora --status --json in cmd prints the running window's card, connected with its serial number, and exit 0"
else
  fail "velora --status --json in cmd prints the running window's card, connected with its serial number, and exit 0: $status"
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
timeout 60 "$scripts/wine-run.sh" "$prefix" "$target" >/dev/null 2>&1
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
# The backend names the take and puts it in the user's Music folder, where the room check and the
# recovery look.
take=$(find "$user/Music" -maxdepth 1 -name 'clip_[0-9][0-9][0-9][0-9].wav' -newer "$work/card.log" | head -1)
level=$([ -n "$take" ] && ffmpeg -nostdin -hide_banner -i "$take" -af "bandpass=f=440:width_type=h:w=100,volumedetect" -f null - 2>&1 |
  sed -n 's/.*mean_volume: \(-*[0-9.]*\) dB/\1/p')
if [ -n "$level" ] && [ "$(echo "$level > -35" | bc)" = 1 ]; then
  pass "a take recorded through wine's audio holds the tone ($level dB at 440 Hz)"
else
  fail "a take recorded through wine's audio holds the tone (take '${take:-none}', level '${level:-none}')"
fi
shot "$id" wine-recorder

# Without an ffmpeg.exe beside the program or on the search path the export is greyed out: Ctrl+S
# opens no dialog.
# (Wine maps the dialog in a way xdotool's --onlyvisible does not count.)
save_dialog() { xdotool search --name '^Save File$' 2>/dev/null | head -1; }
save_dialog_shown() { [ -n "$(save_dialog)" ]; }
xdotool key ctrl+s
sleep 3
if [ -n "$take" ] && [ -z "$(save_dialog)" ]; then
  pass "without ffmpeg.exe the export is greyed out"
else
  fail "without ffmpeg.exe the export is greyed out (take '${take:-none}', a save dialog '$(save_dialog)')"
fi

# The machine's ffmpeg stands in for ffmpeg.exe beside the program, through a bridge (ffmpegbridge.c)
# that the program's own job code starts as it would start the real one.
x86_64-w64-mingw32-gcc -O2 -o "$installed/ffmpeg.exe" "$here/ffmpegbridge.c" -lshell32
# A second of the take cut out with the keyboard: to the chart, a second on, a second selected, cut.
xdotool mousemove --window "$id" 400 300
xdotool key F6 ctrl+Right shift+ctrl+Right Delete
duration() { ffprobe -v error -show_entries format=duration -of csv=p=0 "$1" 2>/dev/null; }
near() { [ -n "$1" ] && [ -n "$2" ] && [ "$(echo "d = $1 - $2; d < $3 && -d < $3" | bc)" = 1 ]; }
cut_version=${take%.wav}_1.wav
if [ -n "$take" ] && wait_for 30 test -s "$cut_version" && sleep 1 &&
  near "$(duration "$take")" "$(echo "$(duration "$cut_version") + 1" | bc)" 0.15; then
  pass "a second cut out of the take under a non-ASCII user folder through ffmpeg.exe ($(duration "$take") s -> $(duration "$cut_version") s)"
else
  fail "a second cut out of the take under a non-ASCII user folder through ffmpeg.exe (version '$cut_version':" \
    "$(duration "$take") s -> $(duration "$cut_version") s)"
fi

# The cut version exported to mp3 through the save dialog, which opens in the Music folder with mp3.
exported="$user/Music/wine export.mp3"
xdotool mousemove --window "$id" 400 300
xdotool key ctrl+s
if wait_for 30 save_dialog_shown; then
  dialog=$(save_dialog)
  shot "$dialog" wine-export-dialog
  xdotool mousemove --window "$dialog" 200 100
  xdotool type --delay 50 "wine export"
  xdotool key Return
fi
exported_level() {
  ffmpeg -nostdin -hide_banner -i "$exported" -af "bandpass=f=440:width_type=h:w=100,volumedetect" -f null - 2>&1 |
    sed -n 's/.*mean_volume: \(-*[0-9.]*\) dB/\1/p'
}
if wait_for 30 test -s "$exported" && sleep 2 && near "$(duration "$exported")" "$(duration "$cut_version")" 0.15 &&
  [ "$(echo "$(exported_level) > -35" | bc)" = 1 ]; then
  pass "the cut take exported to mp3 holds the tone ($(duration "$exported") s, $(exported_level) dB at 440 Hz)"
else
  fail "the cut take exported to mp3 holds the tone ('$(ls "$user/Music")')"
fi
rm -f "$installed/ffmpeg.exe"

kill -9 "$card"
# A command through the window then answers as for no card: exit 2, and nothing on standard output.
answer=
card_gone() { answer=$(status_json); [ "$answer" = exit=2 ]; }
if wait_for 30 card_gone; then
  pass "the card pulled out is seen gone"
else
  fail "the card pulled out is seen gone: $answer"
fi

# A second take, which records while the session ends below.
xdotool mousemove --window "$id" 400 300
xdotool key ctrl+r

# The user's data, which neither an upgrade nor the uninstall may touch.
data=$user/AppData/Local/Norvane/velora
ini=$data/config/setting.ini
[ -s "$ini" ] || printf '[popularConfig]\n60Hz=7\n' >"$ini"
run reg add 'HKCU\Software\Velora\zq02' /v Language /d English /f >/dev/null 2>&1
kept=$(md5sum "$ini" "$take" | cut -d' ' -f1)
kept_data() {
  [ "$(md5sum "$ini" "$take" | cut -d' ' -f1)" = "$kept" ] && [ -n "$(ls "$data/Log")" ] &&
    run reg query 'HKCU\Software\Velora\zq02' /v Language 2>/dev/null | grep -q English
}

run cmd /c "$(winpath "$twin_setup") /S"
code=$?
if [ $code -eq 2 ] && kill -0 "$velora" 2>/dev/null && [ -f "$installed/uninstall.exe" ]; then
  pass "an install over a running Velora is refused with code 2 and leaves it running"
else
  fail "an install over a running Velora is refused with code 2 and leaves it running (exit $code)"
fi
# The session ends while the second take records: Velora finishes the take before it lets the
# session end (its WAV header then counts the bytes written), and ends.
ended() { ! kill -0 "$velora" 2>/dev/null; }
second_take=
recording() {
  second_take=$(find "$user/Music" -maxdepth 1 -name 'clip_[0-9][0-9][0-9][0-9].wav' ! -samefile "${take:-/}" | head -1)
  [ -n "$second_take" ] && [ "$(stat -c %s "$second_take")" -gt 100000 ]
}
wait_for 20 recording
run wineboot --end-session >/dev/null 2>&1
riff_size() { od -A n -t u4 -j 4 -N 4 "$1" | tr -d ' '; }
if wait_for 30 ended && recording &&
  [ $(($(riff_size "$second_take") + 8)) -eq "$(stat -c %s "$second_take")" ]; then
  pass "a take recording when the session ends is finished, and Velora ends"
else
  fail "a take recording when the session ends is finished, and Velora ends (take '$second_take', RIFF size
    $(riff_size "$second_take" 2>/dev/null), file size $(stat -c %s "$second_take" 2>/dev/null))"
  kill -9 "$velora"
  wait_for 10 ended
fi
touch "$work/before-upgrade"
run cmd /c "$(winpath "$twin_setup") /S"
code=$?
# Every file was written anew (the installer keeps the files' own times; their status times tell) in
# the folder the first install chose.
if [ $code -eq 0 ] && [ -z "$(find "$installed" -type f ! -cnewer "$work/before-upgrade")" ] &&
  [ "$(entry '' InstallLocation)" = 'C:\Velora Test\Program Files\Velora' ] && kept_data; then
  pass "an upgrade install replaces the program in place and keeps the user's data"
else
  fail "an upgrade install replaces the program in place and keeps the user's data (exit $code)"
fi

if quiet_uninstall '' && wait_for 60 uninstalled "$installed" && [ ! -e "$shortcut" ] &&
  [ -z "$(entry '' DisplayName)" ] && kept_data; then
  pass "the silent uninstall removes every program file and keeps setting.ini, the log, the take and the language"
else
  fail "the silent uninstall removes every program file and keeps setting.ini, the log, the take and the language"
  find "$installed" -type f 2>/dev/null | head
fi

echo "$failures step(s) failed"
[ $failures -eq 0 ]
