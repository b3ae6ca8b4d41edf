#!/usr/bin/env bash
# Start-up time and idle memory of the player beside a bare Qt 6 window, under one Xvfb.
#   bench/startup.sh [RUNS]        (run from the repository; builds what it needs)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target QuilbyMP3Player bare_window startup_timer -j"$(nproc)" >/dev/null
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bench/startup_timer "$runs" \
  "quilby=./build/QuilbyMP3Player" \
  "bare-qt-window=./build/bench/bare_window" \
  "bare-with-text=./build/bench/bare_window --text"
