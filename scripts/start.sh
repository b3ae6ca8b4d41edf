#!/usr/bin/env bash
# Installs what is missing, builds the player and starts it; a file argument is passed on.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target QuilbyMP3Player -j"$(nproc)"
exec ./build/QuilbyMP3Player "$@"
