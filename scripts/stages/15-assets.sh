#!/usr/bin/env bash
# Rebuilds the asset generator and checks that it reproduces every committed file of
# assets/files byte for byte (stamps, cursors, icons).
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++
cd "$VELMORA_ROOT"
build_asset_generator
ctest --test-dir build/assets/assets/generator --output-on-failure
