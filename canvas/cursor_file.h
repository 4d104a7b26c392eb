#pragma once
// The checks a cursor file must pass before the platform is asked to make a pointer from it.

#include <cstdint>
#include <optional>

#include "common/bytes.h"

namespace velmora {

struct CursorImage {
  ByteView image;  // the first image's bytes (bitmap information header, palette, pixels, mask)
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t hotX = 0;
  std::int32_t hotY = 0;
};

// Whether an icon or cursor image starts with a bitmap information header the platform can
// trust: a width of 1..256, a height field of colour image plus mask, a known bit count, and
// pixel rows and mask that fit inside the image.
bool IconImageHeaderIsSound(ByteView image);

// The first image of a cursor file with its directory entry's size and hot spot, or nothing
// when the bytes fail any test (then the standard arrow shows).
std::optional<CursorImage> ParseCursorFile(ByteView file);

}  // namespace velmora
