# Sourced by the fuzzing scripts after common.sh: the clang tree of the fuzz targets, the
# sanitizer settings every run uses, and the flags of a fuzzing run.
# shellcheck shell=bash

# Configured every time: a target joins as soon as its parser's files exist.
configure_fuzz_tree() {
  cmake -S "$VELMORA_ROOT/tests/fuzz" -B "$VELMORA_ROOT/build/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Memory cap, input size cap and per-input time limit; the final stats give the executions.
# shellcheck disable=SC2034  # used by the scripts that source this
fuzz_run_flags=(-rss_limit_mb=2048 -max_len=65536 -timeout=10 -print_final_stats=1)
