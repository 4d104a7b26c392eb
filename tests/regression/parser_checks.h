#pragma once
// What every parser's answer must satisfy, whatever bytes it was given. The fuzz targets abort
// on a broken rule; the regression test replays the inputs that once broke one. Each check runs
// the parser and returns what is wrong, or an empty text when the answer is sound.

#include <cstddef>
#include <cstdint>
#include <string>

#include "canvas/bitmap_file.h"
#include "canvas/cursor_file.h"
#include "common/bytes.h"

namespace velmora::hardening {

// True when view lies wholly inside the buffer it was taken from. Reading each byte also lets
// AddressSanitizer see a span that reaches past the buffer.
inline bool InsideOf(ByteView view, ByteView buffer) {
  const auto* begin = view.data();
  if (view.empty() || begin < buffer.data() || view.size() > buffer.size() ||
      begin - buffer.data() > static_cast<std::ptrdiff_t>(buffer.size() - view.size())) {
    return false;
  }
  volatile unsigned sum = 0;
  for (const std::uint8_t b : view) sum = sum + b;
  return true;
}

// Pictures larger than this are not written back, so that one run stays fast.
constexpr std::size_t kRoundTripPixelLimit = std::size_t{1} << 16;

inline std::string CheckDecodeBitmap(ByteView bytes) {
  const auto image = DecodeBitmap(bytes);
  if (!image) return {};
  if (image->width <= 0 || image->height <= 0) return "a decoded picture without pixels";
  if (image->pixels.size() != static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height)) {
    return "the pixel count differs from width x height";
  }
  for (const Pixel p : image->pixels) {
    if (p > 0x00FFFFFF) return "a pixel with bits above its colour";
  }
  if (image->pixels.size() <= kRoundTripPixelLimit) {
    const auto again = DecodeBitmap(EncodeBitmap(*image, 0, 0));
    if (!again || !(*again == *image)) return "writing the picture and reading it back changed it";
  }
  return {};
}

inline std::string CheckCursorFile(ByteView file) {
  const auto cursor = ParseCursorFile(file);
  if (!cursor) return {};
  if (!InsideOf(cursor->image, file)) return "the cursor image is not inside the file";
  const auto headerSize = ReadU32(cursor->image, 0);
  if (!headerSize || *headerSize > cursor->image.size()) return "the image header is longer than the image";
  if (cursor->width <= 0 || cursor->height <= 0 || cursor->width > 256 || cursor->height > 256) {
    return "a cursor size outside 1..256";
  }
  if (cursor->hotX < 0 || cursor->hotX > 0xFFFF || cursor->hotY < 0 || cursor->hotY > 0xFFFF) {
    return "a hot spot outside its 16-bit fields";
  }
  return {};
}

}  // namespace velmora::hardening
