#pragma once
// Small pictures shared by the GIF, picture-table and drawing tests.

#include <cstdint>
#include <vector>

#include "tests/canvas/gif_builder.h"

namespace velmora::testing {

// A 256-entry table where entry i is a colour that tells i apart, white at 255.
inline std::vector<std::uint32_t> DistinctPalette() {
  std::vector<std::uint32_t> table(256);
  for (std::uint32_t i = 0; i < 256; ++i) table[i] = (i << 16) | ((255 - i) << 8) | ((i * 37) & 0xFF);
  table[255] = 0xFFFFFF;
  return table;
}

// Indices with some structure and some noise, below `colours`.
inline std::vector<std::uint8_t> PatternIndices(int width, int height, int colours, std::uint32_t seed = 1) {
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::uint32_t s = seed;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      s = s * 1103515245u + 12345u;
      int v = ((x / 3 + y / 5) % 7 == 0) ? static_cast<int>((s >> 16) % 256) : (x * 7 + y * 3) / 11;
      out[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(v % colours);
    }
  return out;
}

// A one-image GIF89a whose image covers the whole screen.
inline ByteBuffer SimpleGif(int width, int height, const std::vector<std::uint8_t>& indices,
                            const std::vector<std::uint32_t>& palette, bool interlaced = false, int minCodeSize = 8) {
  const GifImage image = TopLeftImage(width, height, indices, interlaced, minCodeSize);
  return GifBuilder(image.width, image.height, palette).GraphicControl().Image(image).Trailer().bytes();
}

// A GIF of one solid colour with the given palette entry 0 colour, 1 its only index used.
inline ByteBuffer SolidGif(int width, int height, std::uint32_t colour) {
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 1);
  return SimpleGif(width, height, indices, {0xFFFFFF, colour});
}

}  // namespace velmora::testing
