#pragma once
// Pixels between the core's images and device contexts.

#include <cstdint>
#include <optional>

#include "canvas/image.h"
#include "platform/win32/windows_api.h"

namespace velmora::win32 {

// The primary screen from (0, 0), width × height, as a plain copy; nothing when it fails.
std::optional<Image> CaptureScreenPixels(std::int32_t width, std::int32_t height);

// Copies the part of the image inside `area` (image coordinates) to the same place of `dc`.
void DrawImageArea(HDC dc, const Image& image, const Rect& area);

}  // namespace velmora::win32
