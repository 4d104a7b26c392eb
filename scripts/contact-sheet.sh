#!/usr/bin/env bash
# Builds the asset generator and draws docs/contact-sheet.png: all 41 stamps as they print
# (white see-through, shown on mid grey), then the four cursors and the three icon images
# enlarged four times (transparent pixels as a checkerboard).
#   scripts/contact-sheet.sh
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
require_packages cmake ninja-build g++ imagemagick
cd "$VELMORA_ROOT"
build_asset_generator
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build/assets/assets/generator/velmora_assets "$work" --contact-sheet "$work/sheet.ppm"
mkdir -p docs
# -strip leaves out the time chunks, so an unchanged sheet gives an unchanged file.
convert "$work/sheet.ppm" -strip docs/contact-sheet.png
echo "wrote docs/contact-sheet.png"
