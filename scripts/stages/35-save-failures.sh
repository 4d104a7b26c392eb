#!/usr/bin/env bash
# Saves that fail for real, under Wine on a virtual display: the program's folder mounted
# read-only, every file of the names a save could take held open without sharing by another
# Windows process, and a full disk (a small tmpfs). Each time nothing is shown, no file is made,
# earlier pictures stay byte for byte, the program keeps drawing, and a later save works.
# Needs root for mount (bind mounts and tmpfs).
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++-mingw-w64-x86-64 googletest wine64 wine xvfb xdotool imagemagick \
  x11-utils locales python3
cd "$VELMORA_ROOT"

build_tree build/hardening-win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
work="$VELMORA_ROOT/build/hardening-win/save-failures"
# The mounts below the work folder, deepest first.
unmount_work() {
  local m
  for m in $(awk -v w="$work/" 'index($2, w) == 1 { print $2 }' /proc/mounts | sort -r); do umount "$m" || true; done
}
# Mounts left by an interrupted run go first.
unmount_work
rm -rf "$work"
mkdir -p "$work"

source scripts/lib/xvfb_session.sh
cleanup() {
  stop_session
  unmount_work
}
trap cleanup EXIT
start_xvfb 800x600 "$work"

# Saved names hold Chinese characters: a UTF-8 locale of our own, compiled privately.
export LOCPATH="$work/locales"
mkdir -p "$LOCPATH"
localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || true

prepare_wine_prefix "$VELMORA_ROOT/build/hardening-win/wineprefix"
unmanaged_wine_windows

python3 tests/e2e_failures/run_save_failures.py --display "$DISPLAY" \
  --exe "$VELMORA_ROOT/build/hardening-win/platform/win32/velmora.exe" \
  --holder "$VELMORA_ROOT/build/hardening-win/tests/e2e_failures/hold_file.exe" --work "$work/runs"
