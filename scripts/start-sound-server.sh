#!/usr/bin/env bash
# Starts a private sound server for the recorder's tests: two null sinks, "spk" as the default
# output and the monitor of "mic" as the default input, with a steady 440 Hz tone played into "mic",
# or with "pulsed" a 440 Hz tone 1.5 s on, 1.5 s off, so that positions in a take can be told apart.
# A third null sink, "cardmic", plays a steady 1000 Hz tone: the sound a card's own input brings, for
# tests that give a card a source of it (module-remap-source with the card's USB ids).
# Everything lives in the folder given (created if missing); clients reach the server with
#   PULSE_SERVER=unix:<folder>/native
# Several servers can run side by side, one per folder. scripts/stop-sound-server.sh stops it.
set -u
dir=${1:?usage: start-sound-server.sh <folder> [pulsed]}
source=sine=frequency=440:sample_rate=44100
[ "${2:-}" = pulsed ] && source='aevalsrc=if(lt(mod(t\,3)\,1.5)\,0.2*sin(2*PI*440*t)\,0):s=44100'
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
"$(dirname "$0")/stop-sound-server.sh" "$dir" 2>/dev/null
mkdir -p -m 700 "$dir/runtime" "$dir/home"
# The server's own files (pid, cookie, state) stay in the folder, never in a person's home.
export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home/config"
export PULSE_RUNTIME_PATH="$dir/runtime" PULSE_STATE_PATH="$dir/home/state"
export PULSE_SERVER="unix:$dir/native"
rm -f "$dir/native"
# Tests run with homes of their own, so they cannot share a cookie: the socket admits anyone
# who can reach the folder.
pulseaudio --daemonize=yes -n --exit-idle-time=-1 --log-target="file:$dir/pulse.log" \
  -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
  -L "module-null-sink sink_name=spk" -L "module-null-sink sink_name=mic" \
  -L "module-null-sink sink_name=cardmic" || exit 1
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl set-default-sink spk && pactl set-default-source mic.monitor || exit 1
# Both tones run in one session, which stop-sound-server.sh ends as a whole.
setsid bash -c 'echo $$ > "$1/tone.pid"; play() { ffmpeg -nostdin -loglevel error -f lavfi -i "$2" -ac 2 -f s16le - \
  | pacat --playback -d "$1" --format=s16le --rate=44100 --channels=2; }
  play cardmic sine=frequency=1000:sample_rate=44100 & play mic "$2"' tone "$dir" "$source" </dev/null >/dev/null 2>&1 &
# Ready once both tones reach the server.
for _ in $(seq 100); do
  [ "$(pactl list short sink-inputs 2>/dev/null | wc -l)" -ge 2 ] && exit 0
  sleep 0.1
done
echo "start-sound-server: the tone did not reach the server" >&2
exit 1
