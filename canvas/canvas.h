#pragma once
// The drawing surface: a background picture (kept as bytes, decoded once on first need),
// a solid pen, and the image the canvas displays. Every drawing operation returns the
// rectangle it changed so the platform can present just that.

#include <cstdint>
#include <optional>

#include "canvas/image.h"
#include "canvas/rect.h"
#include "common/bytes.h"
#include "common/color.h"

namespace velmora {

class Canvas {
 public:
  static constexpr ColorRef kBackgroundColor = 0x00FFFFFF;
  static constexpr ColorRef kInitialPenColor = 0x000000FF;  // red
  static constexpr std::int32_t kInitialPenWidth = 5;
  static constexpr std::int32_t kMaxPenWidth = 32767;

  Canvas();  // at (25, 25), 150 × 150, white, no picture, red pen 5 wide

  // Placement inside the main window. A change of size resets the displayed image to the
  // background; the result is the rectangle to repaint (empty when nothing changed).
  Rect Place(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  Rect Placement() const { return placement_; }
  std::int32_t Width() const { return placement_.Width(); }
  std::int32_t Height() const { return placement_.Height(); }

  // Keeps a copy of the bytes and shows the background again over the whole canvas.
  Rect SetBackgroundPicture(ByteView bytes);
  // The same, taking over a buffer the caller no longer needs instead of copying it.
  Rect SetBackgroundPicture(ByteBuffer&& bytes);

  void SetPenWidth(std::int32_t width);
  void SetPenColor(ColorRef color);
  std::int32_t PenWidth() const { return penWidth_; }
  ColorRef PenColor() const { return penColor_; }

  Rect DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  Rect ClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  Rect ClearAll();

  // The bitmap file of what the canvas displays, resolved to the requested size; empty on failure.
  ByteBuffer ExportCanvas(std::int32_t requestedWidth, std::int32_t requestedHeight) const;

  // What the canvas displays, for repaints and for drawing operations of the canvas subsystem.
  const Image& Surface() const { return surface_; }
  Image& MutableSurface() { return surface_; }

  bool HasBackgroundPicture();  // decodes on first need; false once the bytes proved undecodable

 private:
  void RestoreBackground(Rect area);
  const Image* BackgroundPicture();

  Rect placement_{25, 25, 175, 175};
  ByteBuffer backgroundBytes_;
  std::optional<Image> backgroundPicture_;
  std::int32_t penWidth_ = kInitialPenWidth;
  ColorRef penColor_ = kInitialPenColor;
  Image surface_;
};

}  // namespace velmora
