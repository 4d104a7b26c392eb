#pragma once
// Rasterising pen strokes onto an image, clipped to it.

#include <cstdint>

#include "canvas/image.h"

namespace velmora {

// A one-pixel line from (x1, y1) towards (x2, y2); the end point itself is left unpainted,
// so connected segments paint each shared point once and a stroke stays gap-free.
Rect DrawThinLine(Image& image, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Pixel colour);

// A stroke `width` pixels wide (2 or more) with round ends: the pixels whose centres lie within
// half the width of the segment. Even widths are centred half a pixel to the bottom-right so
// that a straight stroke covers exactly `width` pixels across.
Rect DrawWideLine(Image& image, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                  std::int32_t width, Pixel colour);

// Fills the part of `area` inside the image.
Rect FillRect(Image& image, Rect area, Pixel colour);

}  // namespace velmora
