#pragma once
// A small picture with alpha, for cursors and icons: pixels top row first.
#include <cstdint>
#include <vector>

#include "paint.h"

namespace velmora::art {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<Rgba> pixels;
  Rgba at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The colour that marks see-through pixels while a cursor or icon is painted.
constexpr Rgb kClearKey{255, 0, 255};

// A painted picture with every kClearKey pixel made fully transparent, the rest opaque.
RgbaImage KeyOut(const Painter& painted);

}  // namespace velmora::art
