#pragma once
// The one pixel image type: the canvas, the screen copy and every drawing use it.

#include <cstdint>
#include <vector>

#include "canvas/rect.h"
#include "common/color.h"

namespace velmora {

// Pixels are 0x00RRGGBB, the top row first, rows of exactly `width` pixels.
struct Image {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Pixel> pixels;

  Image() = default;
  Image(std::int32_t w, std::int32_t h, Pixel fill = kWhitePixel)
      : width(w > 0 && h > 0 ? w : 0), height(w > 0 && h > 0 ? h : 0),
        pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

  Rect Bounds() const { return {0, 0, width, height}; }
  Pixel* Row(std::int32_t y) { return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width); }
  const Pixel* Row(std::int32_t y) const {
    return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
  }
  Pixel At(std::int32_t x, std::int32_t y) const { return Row(y)[x]; }
  friend bool operator==(const Image&, const Image&) = default;
};

}  // namespace velmora
