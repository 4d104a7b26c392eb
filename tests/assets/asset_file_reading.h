#pragma once
// Little helpers for reading the embedded asset files in tests: fields that must exist (a
// missing one fails the test instead of crashing), bitmap rows and mask bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "assets/embedded_assets.h"
#include "common/bytes.h"

namespace velmora::asset_tests {

inline std::uint32_t U16(ByteView data, std::size_t at) {
  const auto v = ReadU16(data, at);
  EXPECT_TRUE(v.has_value()) << "no 16-bit field at " << at;
  return v.value_or(0);
}

inline std::uint32_t U32(ByteView data, std::size_t at) {
  const auto v = ReadU32(data, at);
  EXPECT_TRUE(v.has_value()) << "no 32-bit field at " << at;
  return v.value_or(0);
}

inline std::uint8_t U8(ByteView data, std::size_t at) {
  EXPECT_LT(at, data.size());
  return at < data.size() ? data[at] : 0;
}

// One device-independent bitmap of an icon or cursor file: header, optional palette, colour
// rows bottom-up, then the 1-bit AND mask.
struct DibView {
  ByteView image;
  int width = 0, height = 0, bits = 0;

  std::size_t PaletteBytes() const { return bits <= 8 ? (std::size_t{4} << bits) : 0; }
  std::size_t ColourRow() const { return static_cast<std::size_t>((bits * width + 31) / 32) * 4; }
  std::size_t MaskRow() const { return static_cast<std::size_t>((width + 31) / 32) * 4; }
  std::size_t ExpectedSize() const { return 40 + PaletteBytes() + (ColourRow() + MaskRow()) * height; }

  // (x, y) with y counted from the top.
  std::size_t ColourAt(int x, int y) const {
    return 40 + PaletteBytes() + ColourRow() * static_cast<std::size_t>(height - 1 - y) +
           static_cast<std::size_t>(x) * bits / 8;
  }
  bool MaskBit(int x, int y) const {
    const std::size_t at = 40 + PaletteBytes() + ColourRow() * height + MaskRow() * static_cast<std::size_t>(height - 1 - y) +
                           static_cast<std::size_t>(x / 8);
    return (U8(image, at) >> (7 - x % 8)) & 1;
  }
  // Whether the pixel shows: for 32 bits its alpha, for palettes a clear mask bit.
  bool Opaque(int x, int y) const {
    if (bits == 32) return U8(image, ColourAt(x, y) + 3) != 0;
    return !MaskBit(x, y);
  }
};

}  // namespace velmora::asset_tests
