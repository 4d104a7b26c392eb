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

xvfb_pid=""
cleanup() {
  # Everything this stage started: the program and Wine's services, then the display.
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# A free display number: no lock file and no socket.
display_number=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display_number=$n
    break
  fi
done
[ -n "$display_number" ] || { echo "no free X display number"; exit 1; }
# -noreset keeps the root picture when the last client disconnects.
Xvfb ":$display_number" -screen 0 1920x1080x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  sleep 0.1
done

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
