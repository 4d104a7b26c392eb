#pragma once
// The pictures of the four cursors (32 × 32) and of the tray and program icon.
#include "rgba_image.h"

namespace velmora::art {

RgbaImage PenCursorArt();     // a pen, its tip on the top-left pixel
RgbaImage EraserCursorArt();  // a small cross at the top left, an eraser block below right
RgbaImage StampCursorArt();   // a rubber stamp toward the bottom right, clear of (0, 0)
RgbaImage WindowCursorArt();  // an arrow pointing at (12, 0)
RgbaImage TrayIconArt(int size);  // a paint palette with a brush; size 48, 32 or 16

}  // namespace velmora::art
