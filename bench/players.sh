#!/usr/bin/env bash
# This player beside two established players from Debian, audacious and qmmp,
# under one Xvfb and one PulseAudio server whose only sink is a null sink, so
# that all three play the same MP3 through the same output path in real time
# with no sound card. Measured for each: time from start to mapped window,
# resident memory at idle and while playing, CPU seconds per minute of playback;
# then the ratios of this player to each of the others.
#   bench/players.sh [RUNS] [PLAY_SECONDS]    (run from the repository; installs and builds what it needs)
# QUILBY_BUILD_DIR names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
seconds=${2:-30}

QUILBY_EXTRA_PACKAGES="audacious qmmp xdotool sox libsox-fmt-mp3 pulseaudio pulseaudio-utils" \
  bash scripts/install-deps.sh
build=$(realpath -m "${QUILBY_BUILD_DIR:-build}")
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target QuilbyMP3Player startup_timer -j"$(nproc)" >/dev/null
player=$build/QuilbyMP3Player
timer=$build/bench/startup_timer

work=$(mktemp -d)
xvfb_pid="" pulse_pid=""
cleanup() {
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A home of our own: the players' settings, playlists and caches stay in it, and
# no running session (its D-Bus, its audacious) hears of us.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
  -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1" 2>"$work/pulse.log" &
pulse_pid=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null

# The same MP3 for all: a slow sweep over a steady tone, longer than any measurement.
mp3=$work/sweep.mp3
sox -n -r 44100 -c 2 -C 192 "$mp3" synth $((seconds + 60)) sine 220-880 sine 330 2>/dev/null

# First starts build the players' plugin caches; every measured start begins
# from this primed home again.
for p in audacious qmmp; do
  "$p" >/dev/null 2>&1 &
  pid=$!
  sleep 5
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
cp -a "$HOME" "$work/primed"
reset="rm -rf '$HOME' && cp -a '$work/primed' '$HOME'"

# Succeeds once the process $PID has a stream on the sink.
sound_flows='for i in $(seq 100); do
  pactl list sink-inputs | grep -q "application.process.id = \"$PID\"" && exit 0; sleep 0.1; done; exit 1'
# The file named on our command line is appended, ticked; "Play" (client 8,456) starts it.
click_play='w=$(xdotool search --sync --all --pid "$PID" --name "^Quilby MP3 Player$" | head -1) &&
  xdotool mousemove --window "$w" 14 461 click 1 && '"$sound_flows"

echo "output: PulseAudio null sink for all three (SDL_AUDIODRIVER=pulseaudio for ours)"
echo "MP3: $(soxi -d "$mp3") of 44.1 kHz stereo at 192 kbit/s; $runs runs, CPU over $seconds s of playback"
"$timer" --reset "$reset" --play "$seconds" \
  --playing "quilby=env SDL_AUDIODRIVER=pulseaudio '$player' '$mp3'" --then "quilby=$click_play" \
  --playing "audacious=audacious '$mp3'" --then "audacious=$sound_flows" \
  --playing "qmmp=qmmp '$mp3'" --then "qmmp=$sound_flows" \
  "$runs" \
  "quilby=env SDL_AUDIODRIVER=pulseaudio '$player'" \
  "audacious=audacious" \
  "qmmp=qmmp" 2>"$work/players.log" || { cat "$work/players.log" >&2; exit 1; }
