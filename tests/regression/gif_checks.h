#pragma once
// The rules for pictures loaded into the picture table and drawn from it (see parser_checks.h):
// load, check what was decoded, draw it at positions inside, across and far outside a small
// image with several modes, then release it.

#include <climits>
#include <string>

#include "canvas/image.h"
#include "canvas/picture_drawing.h"
#include "canvas/picture_table.h"
#include "tests/regression/parser_checks.h"

namespace velmora::hardening {

inline std::string CheckPictureFields(const Picture& p) {
  if (p.width <= 0 || p.height <= 0) return "a loaded picture without pixels";
  if (p.kind == PictureKind::Gif) {
    if (p.width > 0xFFFF || p.height > 0xFFFF) return "a GIF picture larger than its 16-bit fields";
    if (p.imageWidth < 0 || p.imageHeight < 0 || p.rowBytes < p.imageWidth || p.rowBytes % 4 != 0) {
      return "GIF image sizes that do not fit together";
    }
    if (p.indices.size() != static_cast<std::size_t>(p.rowBytes) * static_cast<std::size_t>(p.imageHeight)) {
      return "the index block differs from rows x row bytes";
    }
  } else if (p.kind == PictureKind::Bitmap) {
    if (p.bgr.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 3) {
      return "the bitmap's pixel block differs from width x height x 3";
    }
  } else {
    return "a picture of a kind this program does not load";
  }
  return {};
}

inline std::string CheckLoadAndDrawPicture(ByteView bytes) {
  PictureTable table;
  const PictureHandle handle = table.LoadPicture(bytes);
  if (handle == 0) return table.LiveCount() == 0 ? std::string() : "a failed load entered a picture";
  if (handle == kNoPicture) return "a load gave the handle that means no picture";
  const Picture* picture = table.FindPicture(handle);
  if (picture == nullptr || table.LiveCount() != 1) return "the loaded picture is not in the table";
  if (std::string fault = CheckPictureFields(*picture); !fault.empty()) return fault;
  if (PictureWidth(table, handle) != picture->width || PictureHeight(table, handle) != picture->height) {
    return "the measured size differs from the picture's";
  }

  struct Position {
    std::int32_t x, y;
  };
  const Position positions[] = {{0, 0},       {3, 2},           {-5, -3},         {10, 8},
                                {-picture->width + 1, -picture->height + 1},      {15, 11},
                                {16, 12},     {-70000, 5},      {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX},
                                {INT_MAX - 2, 0}, {0, INT_MIN + 1}};
  const std::int32_t modes[] = {kStampDrawMode, 1, 2, 3, 4, 5, 0x00CC0020, INT_MIN, -1, 0};
  Image target(16, 12, 0x00123456);
  for (const Position& at : positions) {
    for (const std::int32_t mode : modes) {
      const Rect changed = DrawPicture(target, table, handle, at.x, at.y, mode);
      if (!changed.Empty() && !(Intersect(changed, target.Bounds()) == changed)) {
        return "a drawing reported a rectangle outside the image";
      }
    }
  }
  if (target.width != 16 || target.height != 12 || target.pixels.size() != 16u * 12u) return "drawing resized the image";
  for (const Pixel p : target.pixels) {
    if (p > 0x00FFFFFF) return "drawing left bits above the colour";
  }

  table.ReleasePicture(handle);
  if (table.LiveCount() != 0 || table.FindPicture(handle) != nullptr) return "a released picture is still live";
  if (!DrawPicture(target, table, handle, 0, 0, 1).Empty()) return "a released picture was drawn";
  return {};
}

}  // namespace velmora::hardening
