#!/usr/bin/env bash
# The unit tests (and the soak) built with clang++ under AddressSanitizer and
# UndefinedBehaviorSanitizer: every out-of-bounds access, use after free, leak, overflow of
# signed arithmetic or bad shift ends the run with a report instead of passing silently.
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build clang-14 libclang-rt-14-dev libgtest-dev
cd "$VELMORA_ROOT"

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
build_tree build/asan \
  -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="$sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build/asan --no-tests=error --output-on-failure -j "$VELMORA_JOBS"
