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
cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build/fuzz -j "$VELMORA_JOBS" --target "fuzz_$target"

mkdir -p "build/fuzz/work/$target" "build/fuzz/artifacts/$target"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# FUZZ_JOBS=N runs N processes side by side (their logs: build/fuzz/fuzz-*.log).
parallel=()
[ "${FUZZ_JOBS:-1}" -gt 1 ] && parallel=(-jobs="$FUZZ_JOBS" -workers="$FUZZ_JOBS")
cd build/fuzz
exec "./fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
  -print_final_stats=1 "${parallel[@]}" -artifact_prefix="artifacts/$target/" "work/$target" \
  "$VELMORA_ROOT/tests/fuzz/corpus/$target"
