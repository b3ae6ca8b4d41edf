#!/usr/bin/env bash
# Runs the media benchmarks: MP3 decoding beside mpg123, open latency, and the CPU time and
# memory of playing MP3, WAV and MIDI to SDL's dummy output. The playback measurements run one
# per process, so that the memory each adds is its own.
#   bench/media.sh [build folder]        (default: build; needs mpg123 for the comparison)
set -euo pipefail

build="${1:-build}"
export SDL_AUDIODRIVER=dummy
if ! command -v mpg123 >/dev/null; then
  echo "mpg123 is not installed (apt-get install mpg123): the decoding comparison is skipped" >&2
fi

"$build/bench/media_decode_bench" --benchmark_color=false
for kind in Mp3 Wav Midi; do
  "$build/bench/media_playback_bench" --benchmark_color=false --benchmark_filter="^BM_Play${kind}/"
done
