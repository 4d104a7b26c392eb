#pragma once
// Drawing pictures of the table onto an image at their natural size.

#include <cstdint>

#include "canvas/image.h"
#include "canvas/picture_table.h"

namespace velmora {

constexpr std::int32_t kStampDrawMode = static_cast<std::int32_t>(0xFF000001u);  // white transparent

// Returns the rectangle of the target that changed (clipped), empty when nothing was drawn.
Rect DrawPicture(Image& target, const PictureTable& table, PictureHandle picture, std::int32_t x, std::int32_t y,
                 std::int32_t mode);
std::int32_t PictureWidth(const PictureTable& table, PictureHandle picture);
std::int32_t PictureHeight(const PictureTable& table, PictureHandle picture);

}  // namespace velmora
