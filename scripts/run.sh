#!/usr/bin/env bash
# Builds velmora.exe and starts it under Wine on the current X display. (On Windows, run
# build/windows/platform/win32/velmora.exe itself.) The program saves its pictures next to the
# copy it runs from: build/run/.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
require_packages cmake ninja-build g++-mingw-w64-x86-64 googletest wine64 wine fonts-wqy-microhei
cd "$VELMORA_ROOT"
build_tree build/windows -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
if [ -z "${DISPLAY:-}" ]; then
  echo "no X display: set DISPLAY (for example start 'Xvfb :1 -screen 0 1920x1080x24 &' and DISPLAY=:1)" >&2
  exit 1
fi
if [ ! -f "$VELMORA_ROOT/build/wineprefix-run/system.reg" ]; then
  prepare_wine_prefix "$VELMORA_ROOT/build/wineprefix-run"
  source tests/e2e/wine_cjk_fonts.sh
  use_cjk_fonts
else
  prepare_wine_prefix "$VELMORA_ROOT/build/wineprefix-run"
fi
mkdir -p build/run
cp build/windows/platform/win32/velmora.exe build/run/
cd build/run
exec wine velmora.exe
