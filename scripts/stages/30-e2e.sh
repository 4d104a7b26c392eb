#!/usr/bin/env bash
# End-to-end tests: the real velmora.exe under Wine on a virtual X display (Xvfb), driven with
# xdotool like a person would, checked from screenshots and from the files it saves.
# VELMORA_UPDATE_SCREENSHOT=1 also refreshes docs/screenshot.png (never in CI).
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++-mingw-w64-x86-64 googletest wine64 wine xvfb xdotool imagemagick \
  fonts-wqy-microhei x11-utils locales python3
cd "$VELMORA_ROOT"

build_tree build/windows -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
exe="$VELMORA_ROOT/build/windows/platform/win32/velmora.exe"

work="$VELMORA_ROOT/build/e2e"
rm -rf "$work"
mkdir -p "$work"

source scripts/lib/xvfb_session.sh
# Everything this stage started: the program and Wine's services, then the display.
trap stop_session EXIT
start_xvfb 1920x1080 "$work"

# The locales the program is run under, compiled privately so the system's are left alone.
export LOCPATH="$work/locales"
mkdir -p "$LOCPATH"
localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || true
localedef -i en_US -f UTF-8 "$LOCPATH/en_US.UTF-8" 2>/dev/null || true

# A fresh Wine prefix for this run, with a CJK font for the menus and boxes.
prepare_wine_prefix "$work/wineprefix"
source tests/e2e/wine_cjk_fonts.sh
use_cjk_fonts

screenshot_args=()
if [ "${VELMORA_UPDATE_SCREENSHOT:-0}" = "1" ] && [ "${CI:-}" != "true" ]; then
  screenshot_args=(--screenshot "$VELMORA_ROOT/docs/screenshot.png")
fi
python3 tests/e2e/run_e2e.py --display "$DISPLAY" --exe "$exe" --work "$work/runs" \
  --assets "$VELMORA_ROOT/assets/files" "${screenshot_args[@]}"
