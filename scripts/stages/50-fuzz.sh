#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer), replays
# each committed corpus and the regression inputs, then fuzzes each target for a short while and
# prints its executions and coverage. Any crash, leak or undefined behaviour fails the stage and
# leaves the input in build/fuzz/artifacts/. FUZZ_SECONDS sets the time per target (10).
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build clang-14 libclang-rt-14-dev
cd "$VELMORA_ROOT"

source scripts/lib/fuzz.sh

seconds="${FUZZ_SECONDS:-10}"
configure_fuzz_tree
cmake --build build/fuzz -j "$VELMORA_JOBS"

# target name → the folder of tests/regression that holds the inputs it once crashed on
declare -A regression=([decode_bitmap]=bitmap [cursor_file]=cursor [gif]=gif [icon_choice]=icon)

failed=0
summary=()
for target in decode_bitmap cursor_file gif icon_choice; do
  binary="build/fuzz/fuzz_$target"
  if [ ! -x "$binary" ]; then
    summary+=("fuzz_$target: not built (its parser is not there yet)")
    continue
  fi
  corpus="tests/fuzz/corpus/$target"
  replay=("$corpus")
  [ -d "tests/regression/${regression[$target]}" ] && replay+=("tests/regression/${regression[$target]}")
  artifacts="build/fuzz/artifacts/$target/"
  work="build/fuzz/work/$target"
  mkdir -p "$artifacts" "$work"
  log="build/fuzz/$target.log"

  # Every committed input once, then new inputs into a scratch folder (the committed corpus
  # stays as it is).
  if ! "$binary" -runs=0 -rss_limit_mb=2048 -artifact_prefix="$artifacts" "${replay[@]}" >"$log.replay" 2>&1; then
    echo "fuzz_$target: a committed input fails:"; tail -n 40 "$log.replay"
    failed=1
    continue
  fi
  if ! "$binary" -max_total_time="$seconds" "${fuzz_run_flags[@]}" -artifact_prefix="$artifacts" "$work" "$corpus" \
      >"$log" 2>&1; then
    echo "fuzz_$target: FAILED"; tail -n 60 "$log"
    failed=1
    continue
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
  summary+=("fuzz_$target: ${runs:-?} executions in ${seconds} s, coverage ${cov:-?} edges, ${ft:-?} features, $(ls "$corpus" | wc -l) seeds")
done

printf '%s\n' "${summary[@]}"
exit "$failed"
