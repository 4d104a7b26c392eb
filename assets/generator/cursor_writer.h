#pragma once
// Windows cursor (.cur) and icon (.ico) files holding device-independent bitmaps with an AND mask.
#include <cstdint>
#include <optional>
#include <vector>

#include "rgba_image.h"

namespace velmora::art {

// One image: bitmap information header (height doubled), 32-bit blue-green-red-alpha pixels
// bottom-up, then the 1-bit AND mask, set where alpha is 0.
std::vector<std::uint8_t> Dib32(const RgbaImage& image);

// The same with 8 bits per pixel and a 256-entry palette; every transparent pixel uses index 0
// (black) under a set mask bit. Nothing when the opaque pixels have more than 255 colours.
std::optional<std::vector<std::uint8_t>> Dib8(const RgbaImage& image);

// A one-image cursor file with its hot spot.
std::vector<std::uint8_t> CursorFile(const RgbaImage& image, const std::vector<std::uint8_t>& dib,
                                     int hotX, int hotY);

// An icon file of the given images, in order, each stored as a 32-bit image.
std::vector<std::uint8_t> IconFile(const std::vector<RgbaImage>& images);

}  // namespace velmora::art
