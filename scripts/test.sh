#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite, then
# the suite again under the sanitizers, then the fuzz targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure -j"$(nproc)")
# The same suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILBY_SANITIZE=ON -DQUILBY_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ctest --output-on-failure -j"$(nproc)")
# Our own parsers under libFuzzer, a bounded time each (QUILBY_FUZZ_SECONDS, default 60).
bash scripts/fuzz.sh "${QUILBY_FUZZ_SECONDS:-60}"
