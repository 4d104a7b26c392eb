#!/usr/bin/env bash
# The portable core's unit tests, built natively with g++.
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++ libgtest-dev
cd "$VELMORA_ROOT"
build_tree build/native -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build/native --output-on-failure -j "$VELMORA_JOBS"
