#include "canvas/canvas.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "canvas/bitmap_file.h"
#include "canvas/line_raster.h"

namespace velmora {

namespace {

std::int32_t Saturate(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

Canvas::Canvas() : surface_(placement_.Width(), placement_.Height(), PixelFromColorRef(kBackgroundColor)) {}

Rect Canvas::Place(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  const Rect wanted{x, y, Saturate(static_cast<std::int64_t>(x) + std::max(width, 0)),
                    Saturate(static_cast<std::int64_t>(y) + std::max(height, 0))};
  if (wanted == placement_) return {};
  const bool resized = wanted.Width() != placement_.Width() || wanted.Height() != placement_.Height();
  placement_ = wanted;
  if (!resized) return {};
  // A new size starts again from the background: the old image does not fit any more.
  surface_ = Image(placement_.Width(), placement_.Height(), PixelFromColorRef(kBackgroundColor));
  RestoreBackground(surface_.Bounds());
  return surface_.Bounds();
}

Rect Canvas::SetBackgroundPicture(ByteView bytes) { return SetBackgroundPicture(ByteBuffer(bytes.begin(), bytes.end())); }

Rect Canvas::SetBackgroundPicture(ByteBuffer&& bytes) {
  backgroundBytes_ = std::move(bytes);
  backgroundPicture_.reset();
  RestoreBackground(surface_.Bounds());
  return surface_.Bounds();
}

void Canvas::SetPenWidth(std::int32_t width) { penWidth_ = std::clamp(width, 0, kMaxPenWidth); }

void Canvas::SetPenColor(ColorRef color) { penColor_ = color; }

Rect Canvas::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  const Pixel colour = PixelFromColorRef(penColor_);
  if (penWidth_ <= 1) return DrawThinLine(surface_, x1, y1, x2, y2, colour);
  return DrawWideLine(surface_, x1, y1, x2, y2, penWidth_, colour);
}

Rect Canvas::ClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  std::int64_t left = x, top = y, right = static_cast<std::int64_t>(x) + width,
               bottom = static_cast<std::int64_t>(y) + height;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const Rect area = Intersect(Rect{Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)}, surface_.Bounds());
  RestoreBackground(area);
  return area;
}

Rect Canvas::ClearAll() {
  RestoreBackground(surface_.Bounds());
  return surface_.Bounds();
}

ByteBuffer Canvas::ExportCanvas(std::int32_t requestedWidth, std::int32_t requestedHeight) const {
  return EncodeBitmap(surface_, requestedWidth, requestedHeight);
}

bool Canvas::HasBackgroundPicture() { return BackgroundPicture() != nullptr; }

const Image* Canvas::BackgroundPicture() {
  if (!backgroundPicture_ && !backgroundBytes_.empty()) {
    backgroundPicture_ = DecodeBitmap(backgroundBytes_);
    // Once decoded the bytes are never read again, and undecodable bytes mean white from now
    // on: either way they go, which spares a screenful of memory for the whole run.
    ByteBuffer().swap(backgroundBytes_);
  }
  return backgroundPicture_ ? &*backgroundPicture_ : nullptr;
}

void Canvas::RestoreBackground(Rect area) {
  area = Intersect(area, surface_.Bounds());
  if (area.Empty()) return;
  const Image* picture = BackgroundPicture();
  if (!picture) {
    FillRect(surface_, area, PixelFromColorRef(kBackgroundColor));
    return;
  }
  // Tiles at the picture's natural size from the top-left corner; only those overlapping the
  // area are copied, and only inside it.
  const std::int32_t pw = picture->width, ph = picture->height;
  for (std::int32_t y = area.top; y < area.bottom; ++y) {
    const Pixel* src = picture->Row(y % ph);
    Pixel* dst = surface_.Row(y);
    std::int32_t x = area.left;
    while (x < area.right) {
      const std::int32_t sx = x % pw;
      const std::int32_t run = std::min(area.right - x, pw - sx);
      std::copy(src + sx, src + sx + run, dst + x);
      x += run;
    }
  }
}

}  // namespace velmora
