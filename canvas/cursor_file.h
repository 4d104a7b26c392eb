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

// The first image of a cursor file with its directory entry's size and hot spot, or nothing
// when the bytes fail any test (then the standard arrow shows).
std::optional<CursorImage> ParseCursorFile(ByteView file);

}  // namespace velmora
