#!/usr/bin/env bash
# Fuzzes one target for longer than the test stage does:
#   scripts/fuzz-long.sh TARGET SECONDS     TARGET: decode_bitmap, cursor_file, gif or icon_choice
# New inputs that reach new code go to build/fuzz/work/TARGET (add the interesting ones to
# tests/fuzz/corpus/TARGET); a crash is written to build/fuzz/artifacts/TARGET/ and should be
# filed under tests/regression/<parser>/ so that the unit tests replay it.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$VELMORA_ROOT"

if [ $# -ne 2 ]; then
  echo "usage: $0 TARGET SECONDS   (TARGET: decode_bitmap, cursor_file, gif, icon_choice)" >&2
  exit 2
fi
target="$1"
seconds="$2"
require_packages cmake ninja-build clang-14 libclang-rt-14-dev
source scripts/lib/fuzz.sh
configure_fuzz_tree
cmake --build build/fuzz -j "$VELMORA_JOBS" --target "fuzz_$target"

mkdir -p "build/fuzz/work/$target" "build/fuzz/artifacts/$target"
# FUZZ_JOBS=N runs N processes side by side (their logs: build/fuzz/fuzz-*.log).
parallel=()
[ "${FUZZ_JOBS:-1}" -gt 1 ] && parallel=(-jobs="$FUZZ_JOBS" -workers="$FUZZ_JOBS")
cd build/fuzz
exec "./fuzz_$target" -max_total_time="$seconds" "${fuzz_run_flags[@]}" "${parallel[@]}" \
  -artifact_prefix="artifacts/$target/" "work/$target" "$VELMORA_ROOT/tests/fuzz/corpus/$target"
