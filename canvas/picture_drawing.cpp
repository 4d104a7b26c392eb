// Drawing a picture of the table onto an image at its natural size, clipped to the image.
//
// Picture colours are compared and combined as 0x00RRGGBB pixels; the top byte of every
// written pixel stays 0. Raster-operation codes are evaluated bit by bit on the source (the
// picture) and the destination (the image). No brush is ever chosen for the canvas, so the
// pattern operand is that of a default brush, solid white: P has every bit set.

#include "canvas/picture_drawing.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velmora {
namespace {

constexpr Pixel kColourBits = 0x00FFFFFF;

enum class Op { Copy, Invert, Xor, Or, And, Transparent, RasterCode };

struct Combine {
  Op op = Op::Copy;
  Pixel key = 0;            // Transparent: the colour left out
  bool keyCanMatch = false;  // false when the key is no 24-bit colour at all
  std::uint8_t rop = 0;      // RasterCode: the truth table, bit (P·4 + S·2 + D)
};

Combine CombineForMode(std::int32_t mode) {
  Combine c;
  switch (mode) {
    case 1: c.op = Op::Copy; return c;
    case 2: c.op = Op::Invert; return c;
    case 3: c.op = Op::Xor; return c;
    case 4: c.op = Op::Or; return c;
    case 5: c.op = Op::And; return c;
    default: break;
  }
  if (mode < 0) {
    const std::int64_t colour = -static_cast<std::int64_t>(mode);  // −mode, safe for the lowest value
    c.op = Op::Transparent;
    c.keyCanMatch = colour <= 0x00FFFFFF;
    c.key = c.keyCanMatch ? PixelFromColorRef(static_cast<ColorRef>(colour)) : 0;
    return c;
  }
  c.op = Op::RasterCode;
  c.rop = static_cast<std::uint8_t>(static_cast<std::uint32_t>(mode) >> 16);
  return c;
}

// The ternary operation with P all ones: only the upper half of the truth table counts.
Pixel ApplyRasterCode(std::uint8_t rop, Pixel s, Pixel d) {
  Pixel result = 0;
  for (int sBit = 0; sBit < 2; ++sBit)
    for (int dBit = 0; dBit < 2; ++dBit)
      if (rop & (1u << (4 + sBit * 2 + dBit))) result |= (sBit ? s : ~s) & (dBit ? d : ~d);
  return result & kColourBits;
}

void CombineRow(const Combine& c, const Pixel* src, Pixel* dst, std::size_t count) {
  switch (c.op) {
    case Op::Copy: std::copy(src, src + count, dst); break;
    case Op::Invert:
      for (std::size_t i = 0; i < count; ++i) dst[i] = ~src[i] & kColourBits;
      break;
    case Op::Xor:
      for (std::size_t i = 0; i < count; ++i) dst[i] = (dst[i] ^ src[i]) & kColourBits;
      break;
    case Op::Or:
      for (std::size_t i = 0; i < count; ++i) dst[i] = (dst[i] | src[i]) & kColourBits;
      break;
    case Op::And:
      for (std::size_t i = 0; i < count; ++i) dst[i] = dst[i] & src[i] & kColourBits;
      break;
    case Op::Transparent:
      for (std::size_t i = 0; i < count; ++i)
        if (!c.keyCanMatch || src[i] != c.key) dst[i] = src[i];
      break;
    case Op::RasterCode:
      for (std::size_t i = 0; i < count; ++i) dst[i] = ApplyRasterCode(c.rop, src[i], dst[i]);
      break;
  }
}

// Checks that the pixel block holds what the picture's sizes promise, so drawing can index it
// freely within those sizes.
bool Drawable(const Picture& p) {
  if (p.width <= 0 || p.height <= 0) return false;
  const std::size_t w = static_cast<std::size_t>(p.width), h = static_cast<std::size_t>(p.height);
  switch (p.kind) {
    case PictureKind::Gif:
      return p.imageWidth >= 0 && p.imageHeight >= 0 && p.rowBytes >= p.imageWidth &&
             p.indices.size() >= static_cast<std::size_t>(p.rowBytes) * static_cast<std::size_t>(p.imageHeight);
    case PictureKind::Bitmap: return p.bgr.size() == w * h * 3;
    default: return false;  // icons and cursors are never decoded by this program
  }
}

// Colours of picture row py, columns px .. px + count − 1 (all inside the picture).
// Pixels of a GIF picture that its image does not cover take palette entry 0.
void FetchRow(const Picture& p, std::int32_t px, std::int32_t py, std::size_t count, Pixel* out) {
  if (p.kind == PictureKind::Bitmap) {
    const std::uint8_t* row =
        p.bgr.data() + static_cast<std::size_t>(p.height - 1 - py) * static_cast<std::size_t>(p.width) * 3 +
        static_cast<std::size_t>(px) * 3;
    for (std::size_t i = 0; i < count; ++i) out[i] = PixelFromRgb(row[3 * i + 2], row[3 * i + 1], row[3 * i]);
    return;
  }
  const Pixel outside = p.palette[0];
  std::size_t covered = 0;
  if (py < p.imageHeight && px < p.imageWidth) {
    covered = std::min<std::size_t>(count, static_cast<std::size_t>(p.imageWidth - px));
    const std::uint8_t* row =
        p.indices.data() + static_cast<std::size_t>(py) * static_cast<std::size_t>(p.rowBytes) + px;
    for (std::size_t i = 0; i < covered; ++i) out[i] = p.palette[row[i]];
  }
  std::fill(out + covered, out + count, outside);
}

// The stamp's case: an indexed picture with a transparent colour, straight from the indices.
void DrawGifTransparent(const Picture& p, const Combine& c, Image& target, const Rect& area, std::int32_t x,
                        std::int32_t y) {
  std::array<bool, 256> opaque{};
  for (int i = 0; i < 256; ++i) opaque[i] = !c.keyCanMatch || p.palette[i] != c.key;
  const std::size_t count = static_cast<std::size_t>(area.Width());
  for (std::int32_t ty = area.top; ty < area.bottom; ++ty) {
    const std::int32_t py = ty - y, px = area.left - x;
    Pixel* dst = target.Row(ty) + area.left;
    std::size_t covered = 0;
    if (py < p.imageHeight && px < p.imageWidth) {
      covered = std::min<std::size_t>(count, static_cast<std::size_t>(p.imageWidth - px));
      const std::uint8_t* row =
          p.indices.data() + static_cast<std::size_t>(py) * static_cast<std::size_t>(p.rowBytes) + px;
      for (std::size_t i = 0; i < covered; ++i)
        if (opaque[row[i]]) dst[i] = p.palette[row[i]];
    }
    if (opaque[0])
      for (std::size_t i = covered; i < count; ++i) dst[i] = p.palette[0];
  }
}

}  // namespace

Rect DrawPicture(Image& target, const PictureTable& table, PictureHandle picture, std::int32_t x, std::int32_t y,
                 std::int32_t mode) {
  const Picture* p = table.FindPicture(picture);
  if (p == nullptr || !Drawable(*p)) return {};

  // Clip in 64 bits: x + width may not fit in 32.
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(static_cast<std::int64_t>(x) + p->width, target.width);
  const std::int64_t bottom = std::min<std::int64_t>(static_cast<std::int64_t>(y) + p->height, target.height);
  if (right <= left || bottom <= top) return {};
  const Rect area{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(right),
                  static_cast<std::int32_t>(bottom)};

  const Combine combine = CombineForMode(mode);
  if (p->kind == PictureKind::Gif && combine.op == Op::Transparent) {
    DrawGifTransparent(*p, combine, target, area, x, y);
    return area;
  }
  std::vector<Pixel> source(static_cast<std::size_t>(area.Width()));
  for (std::int32_t ty = area.top; ty < area.bottom; ++ty) {
    FetchRow(*p, area.left - x, ty - y, source.size(), source.data());
    CombineRow(combine, source.data(), target.Row(ty) + area.left, source.size());
  }
  return area;
}

std::int32_t PictureWidth(const PictureTable& table, PictureHandle picture) {
  const Picture* p = table.FindPicture(picture);
  return p ? p->width : 0;
}

std::int32_t PictureHeight(const PictureTable& table, PictureHandle picture) {
  const Picture* p = table.FindPicture(picture);
  return p ? p->height : 0;
}

}  // namespace velmora
