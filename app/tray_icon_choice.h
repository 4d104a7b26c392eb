#pragma once
// Which image of an icon file the tray icon is made from. The platform makes the icon from the
// chosen image; when the first pass gives none it asks for the second.

#include <cstdint>
#include <optional>

#include "common/bytes.h"

namespace velmora {

enum class TrayIconPass {
  Small,   // prefers an entry 16 pixels wide
  Medium,  // prefers an entry 32 pixels wide
};

struct TrayIconImage {
  ByteView image;              // the entry's image bytes, inside the file
  std::int32_t width = 0;      // from the image's bitmap header
  std::int32_t height = 0;     // half the header's height (colour image and mask share it)
  std::uint16_t bitCount = 0;  // bits per pixel from the same header
};

// The image of the first entry whose colour count is at least 16 and whose width fits the
// pass, or of the last entry when none does. Nothing when the directory is not an icon or
// cursor directory, an entry or its image lies outside the file, or the image has no usable
// bitmap header.
std::optional<TrayIconImage> ChooseTrayIconImage(ByteView iconFile, TrayIconPass pass);

}  // namespace velmora
