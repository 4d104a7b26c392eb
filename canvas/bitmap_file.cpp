#include "canvas/bitmap_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>

namespace velmora {

namespace {

// Larger pictures are refused instead of risking an allocation that cannot succeed.
constexpr std::int64_t kMaxDecodedPixels = std::int64_t{1} << 26;

std::uint8_t Byte(Pixel p, int shift) { return static_cast<std::uint8_t>(p >> shift); }

}  // namespace

std::optional<std::uint32_t> BitmapStride24(std::int64_t width) {
  if (width <= 0) return std::nullopt;
  const std::int64_t stride = ((24 * width + 31) / 32) * 4;
  if (stride > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  return static_cast<std::uint32_t>(stride);
}

std::int64_t ResolveRequestedSide(std::int32_t requested, std::int32_t natural) {
  if (requested == 0) return natural;
  if (requested > 0) return requested;
  const std::int64_t percent = std::max<std::int64_t>(-static_cast<std::int64_t>(requested), 10);
  const std::int64_t scaled = static_cast<std::int64_t>(natural) * percent;  // < 2^62
  // Halves round away from zero.
  const std::int64_t whole = scaled / 100;
  const std::int64_t rest = scaled % 100;
  if (rest >= 50) return whole + 1;
  if (rest <= -50) return whole - 1;
  return whole;
}

Image StretchAveraging(const Image& source, std::int32_t width, std::int32_t height) {
  Image out(width, height);
  if (out.pixels.empty() || source.pixels.empty()) return out;
  for (std::int32_t ty = 0; ty < out.height; ++ty) {
    const std::int64_t sy0 = static_cast<std::int64_t>(ty) * source.height / out.height;
    const std::int64_t sy1 = std::max(sy0 + 1, static_cast<std::int64_t>(ty + 1) * source.height / out.height);
    for (std::int32_t tx = 0; tx < out.width; ++tx) {
      const std::int64_t sx0 = static_cast<std::int64_t>(tx) * source.width / out.width;
      const std::int64_t sx1 = std::max(sx0 + 1, static_cast<std::int64_t>(tx + 1) * source.width / out.width);
      std::uint64_t r = 0, g = 0, b = 0;
      for (std::int64_t sy = sy0; sy < sy1; ++sy) {
        const Pixel* row = source.Row(static_cast<std::int32_t>(sy));
        for (std::int64_t sx = sx0; sx < sx1; ++sx) {
          r += RedOf(row[sx]);
          g += GreenOf(row[sx]);
          b += BlueOf(row[sx]);
        }
      }
      const std::uint64_t n = static_cast<std::uint64_t>((sy1 - sy0) * (sx1 - sx0));
      out.Row(ty)[tx] = PixelFromRgb(static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
                                     static_cast<std::uint8_t>(b / n));
    }
  }
  return out;
}

ByteBuffer EncodeBitmap(const Image& image, std::int32_t requestedWidth, std::int32_t requestedHeight) {
  const std::int64_t width = ResolveRequestedSide(requestedWidth, image.width);
  const std::int64_t height = ResolveRequestedSide(requestedHeight, image.height);
  if (width <= 0 || height <= 0 || image.pixels.empty()) return {};
  const auto stride = BitmapStride24(width);
  if (!stride) return {};
  const std::uint64_t imageBytes = static_cast<std::uint64_t>(*stride) * static_cast<std::uint64_t>(height);
  if (imageBytes > std::numeric_limits<std::uint32_t>::max() - kBitmapHeadersSize ||
      width > std::numeric_limits<std::int32_t>::max() || height > std::numeric_limits<std::int32_t>::max()) {
    return {};
  }

  try {
    const bool natural = width == image.width && height == image.height;
    Image stretched;
    if (!natural) stretched = StretchAveraging(image, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    const Image& picture = natural ? image : stretched;

    ByteBuffer out;
    out.reserve(kBitmapHeadersSize + imageBytes);
    out.push_back('B');
    out.push_back('M');
    AppendU32(out, static_cast<std::uint32_t>(kBitmapHeadersSize + imageBytes));
    AppendU16(out, 0);
    AppendU16(out, 0);
    AppendU32(out, kBitmapHeadersSize);
    AppendU32(out, 40);
    AppendU32(out, static_cast<std::uint32_t>(width));
    AppendU32(out, static_cast<std::uint32_t>(height));
    AppendU16(out, 1);
    AppendU16(out, 24);
    AppendU32(out, 0);
    AppendU32(out, static_cast<std::uint32_t>(imageBytes));
    for (int i = 0; i < 4; ++i) AppendU32(out, 0);  // resolutions, colours used, important colours

    // Rows are packed into a small buffer that stays in cache and appended to the reserved
    // file, so the large buffer is written once instead of being zeroed first.
    ByteBuffer row(*stride, 0);
    for (std::int64_t y = height - 1; y >= 0; --y) {  // bottom row first
      const Pixel* src = picture.Row(static_cast<std::int32_t>(y));
      std::uint8_t* d = row.data();
      for (std::int64_t x = 0; x < width; ++x, d += 3) {
        d[0] = Byte(src[x], 0);
        d[1] = Byte(src[x], 8);
        d[2] = Byte(src[x], 16);
      }
      out.insert(out.end(), row.begin(), row.end());
    }
    return out;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

std::optional<Image> DecodeBitmap(ByteView bytes) {
  if (bytes.size() < kBitmapHeadersSize || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t pixelOffset = *ReadU32(bytes, 10);
  const std::uint32_t headerSize = *ReadU32(bytes, 14);
  const std::int64_t width = *ReadI32(bytes, 18);
  const std::int64_t storedHeight = *ReadI32(bytes, 22);
  const std::uint16_t bitsPerPixel = *ReadU16(bytes, 28);
  const std::uint32_t compression = *ReadU32(bytes, 30);
  const std::uint32_t coloursUsed = *ReadU32(bytes, 46);
  if (compression != 0) return std::nullopt;

  std::uint64_t paletteEntries = 0;
  switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
      paletteEntries = coloursUsed != 0 ? coloursUsed : (1u << bitsPerPixel);
      break;
    case 24:
    case 32:
      break;
    default:
      return std::nullopt;
  }
  // The palette follows the information header; older writers always use the 40-byte one.
  const std::uint64_t paletteStart = 14 + std::max<std::uint64_t>(headerSize, 40);
  const std::uint64_t paletteEnd = paletteStart + 4 * paletteEntries;
  if (paletteEnd > bytes.size() || pixelOffset < paletteEnd) return std::nullopt;

  // Rows stored top row first (a negative height) are read as such.
  const bool topDown = storedHeight < 0;
  const std::int64_t w = width < 0 ? -width : width;
  const std::int64_t h = topDown ? -storedHeight : storedHeight;
  if (w == 0 || h == 0 || w * h > kMaxDecodedPixels) return std::nullopt;
  const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(bitsPerPixel) * static_cast<std::uint64_t>(w) + 31) / 32) * 4;
  if (pixelOffset > bytes.size() || rowBytes * static_cast<std::uint64_t>(h) > bytes.size() - pixelOffset) {
    return std::nullopt;  // data ends before the last row
  }

  std::array<Pixel, 256> palette{};  // indices beyond the file's palette read as black
  for (std::uint64_t i = 0; i < std::min<std::uint64_t>(paletteEntries, 256); ++i) {
    const std::uint8_t* e = bytes.data() + paletteStart + 4 * i;
    palette[i] = PixelFromRgb(e[2], e[1], e[0]);
  }

  try {
    Image out(static_cast<std::int32_t>(w), static_cast<std::int32_t>(h));
    for (std::int64_t stored = 0; stored < h; ++stored) {
      const std::uint8_t* src = bytes.data() + pixelOffset + stored * rowBytes;
      Pixel* row = out.Row(static_cast<std::int32_t>(topDown ? stored : h - 1 - stored));
      for (std::int64_t x = 0; x < w; ++x) {
        switch (bitsPerPixel) {
          case 24: row[x] = PixelFromRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
          case 32: row[x] = PixelFromRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]); break;
          case 8: row[x] = palette[src[x]]; break;
          case 4: row[x] = palette[(src[x / 2] >> ((x % 2 == 0) ? 4 : 0)) & 0x0F]; break;
          case 1: row[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1]; break;
        }
      }
    }
    return out;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace velmora
