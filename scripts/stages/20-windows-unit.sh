#!/usr/bin/env bash
# The same unit tests built as a static Windows program with mingw-w64 and run under Wine,
# so the code we ship is the code we test.
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++-mingw-w64-x86-64 googletest wine64 wine
cd "$VELMORA_ROOT"
build_tree build/windows -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
prepare_wine_prefix "$VELMORA_ROOT/build/wineprefix"
wine build/windows/tests/velmora_tests.exe --gtest_brief=1
