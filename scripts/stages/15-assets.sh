#!/usr/bin/env bash
# Rebuilds the asset generator and checks that it reproduces every committed file of
# assets/files byte for byte (stamps, cursors, icons).
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++
cd "$VELMORA_ROOT"
if [ ! -f build/assets/build.ninja ]; then
  cmake -S . -B build/assets -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_ASSET_TOOLS=ON >/dev/null
else
  cmake -S . -B build/assets -DVELMORA_ASSET_TOOLS=ON >/dev/null
fi
cmake --build build/assets -j "$VELMORA_JOBS" --target velmora_assets
ctest --test-dir build/assets/assets/generator --output-on-failure
