#!/usr/bin/env bash
# Builds the libFuzzer targets of our own parsers (fuzz/, with clang) and runs
# each for a bounded time, starting from its seed corpus in tests/fuzz-corpus/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET ...]     (default: 60 s, every target)
# New inputs that reach new code stay in the build folder, not in the seeds. An
# input that crashes a target is kept in <build>/crashes/<target>/ and fails the
# run; QUILBY_FUZZ_BUILD_DIR names the build folder (default: build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=$(realpath -m "${QUILBY_FUZZ_BUILD_DIR:-build-fuzz}")

bash scripts/install-deps.sh
cmake -S . -B "$build" -DQUILBY_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in tests/fuzz-corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
failed=()
for t in "${targets[@]}"; do
  corpus=$build/corpus/$t crashes=$build/crashes/$t
  mkdir -p "$corpus" "$crashes"
  log=$build/$t.log
  if "$build/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$corpus" "tests/fuzz-corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$t: no fault in $runs runs over ${seconds} s ($(ls "$corpus" | wc -l) inputs beside $(ls "tests/fuzz-corpus/$t" | wc -l) seeds)"
  else
    failed+=("$t")
    echo "$t: FAULT, input kept in $crashes/" >&2
    grep -E 'ERROR|runtime error|property broken|SUMMARY' "$log" | head -5 >&2 || true
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "faults in: ${failed[*]}" >&2; exit 1; }
