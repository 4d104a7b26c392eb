#pragma once
// Colours as the program names them (ColorRef, 0x00BBGGRR) and as images hold them (0x00RRGGBB).

#include <cstdint>

namespace velmora {

using ColorRef = std::uint32_t;  // 0x00BBGGRR: red in the low byte

// An image pixel is 0x00RRGGBB, which in memory is the bytes blue, green, red, 0:
// the layout of a 32-bit device-independent bitmap, so the platform can show it as it is.
using Pixel = std::uint32_t;

constexpr Pixel PixelFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) | b;
}
constexpr Pixel PixelFromColorRef(ColorRef c) {
  return PixelFromRgb(static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                      static_cast<std::uint8_t>(c >> 16));
}
constexpr ColorRef ColorRefFromPixel(Pixel p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
constexpr std::uint8_t RedOf(Pixel p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t GreenOf(Pixel p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t BlueOf(Pixel p) { return static_cast<std::uint8_t>(p); }

constexpr Pixel kWhitePixel = 0x00FFFFFF;

}  // namespace velmora
