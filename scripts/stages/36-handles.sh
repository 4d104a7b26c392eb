#!/usr/bin/env bash
# No Win32 handle leaks: the Windows platform's operations (cursors, pop-up menus, message
# boxes, the tray icon, screen copies, presents) repeated a thousand times each under Wine on
# a virtual display, with the process's GDI and USER object counts compared before and after;
# then the soak of the whole portable program as built for Windows.
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
require_packages cmake ninja-build g++-mingw-w64-x86-64 googletest wine64 wine xvfb x11-utils
cd "$VELMORA_ROOT"

build_tree build/hardening-win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
work="$VELMORA_ROOT/build/hardening-win/handles"
rm -rf "$work"
mkdir -p "$work"

source scripts/lib/xvfb_session.sh
trap stop_session EXIT
start_xvfb 640x480 "$work"
prepare_wine_prefix "$VELMORA_ROOT/build/hardening-win/wineprefix"
unmanaged_wine_windows
wine build/hardening-win/tests/win32_handles/velmora_win32_handles.exe "${HANDLE_REPEATS:-1000}"
# The soak of the portable program, as the Windows compiler built it.
wine build/hardening-win/tests/soak/velmora_soak.exe
