#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them. Figures are meant to be read as ratios against
# the memcpy baselines measured in the same run: these machines are shared and noisy.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
require_packages cmake ninja-build g++ libbenchmark-dev libgtest-dev
cd "$VELMORA_ROOT"
build_tree build/bench -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCHMARKS=ON -DVELMORA_TESTS=OFF
build/bench/bench/velmora_bench "$@"
