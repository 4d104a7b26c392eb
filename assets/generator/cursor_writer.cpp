#include "cursor_writer.h"

namespace velmora::art {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutU32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

std::size_t MaskRowBytes(int width) { return static_cast<std::size_t>((width + 31) / 32) * 4; }

void PutInfoHeader(Bytes& out, const RgbaImage& image, int bits, std::uint32_t coloursUsed) {
  const std::size_t colourRow = static_cast<std::size_t>((bits * image.width + 31) / 32) * 4;
  const std::size_t imageBytes = (colourRow + MaskRowBytes(image.width)) * image.height;
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(image.height * 2));  // colour image and mask stacked
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(bits));
  PutU32(out, 0);  // no compression
  PutU32(out, static_cast<std::uint32_t>(imageBytes));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, coloursUsed);
  PutU32(out, 0);
}

void PutMask(Bytes& out, const RgbaImage& image) {
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(MaskRowBytes(image.width), 0);
    for (int x = 0; x < image.width; ++x) {
      if (image.at(x, y).a == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

RgbaImage KeyOut(const Painter& painted) {
  RgbaImage out;
  out.width = painted.width();
  out.height = painted.height();
  for (const Rgb& c : painted.pixels()) {
    out.pixels.push_back(c == kClearKey ? Rgba{0, 0, 0, 0} : Rgba{c.r, c.g, c.b, 255});
  }
  return out;
}

Bytes Dib32(const RgbaImage& image) {
  Bytes out;
  PutInfoHeader(out, image, 32, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgba p = image.at(x, y);
      // Fully transparent pixels are stored black, so the mask alone decides what shows.
      if (p.a == 0) {
        PutU32(out, 0);
      } else {
        out.insert(out.end(), {p.b, p.g, p.r, p.a});
      }
    }
  }
  PutMask(out, image);
  return out;
}

std::optional<Bytes> Dib8(const RgbaImage& image) {
  std::vector<Rgba> palette{Rgba{0, 0, 0, 0}};
  Bytes indices;
  for (const Rgba& p : image.pixels) {
    if (p.a == 0) {
      indices.push_back(0);
      continue;
    }
    const Rgba opaque{p.r, p.g, p.b, 255};
    std::size_t i = 1;
    while (i < palette.size() && !(palette[i] == opaque)) ++i;
    if (i == palette.size()) {
      if (palette.size() == 256) return std::nullopt;
      palette.push_back(opaque);
    }
    indices.push_back(static_cast<std::uint8_t>(i));
  }
  palette.resize(256, Rgba{0, 0, 0, 0});
  Bytes out;
  PutInfoHeader(out, image, 8, 256);
  for (const Rgba& c : palette) out.insert(out.end(), {c.b, c.g, c.r, 0});
  const std::size_t rowBytes = static_cast<std::size_t>((image.width + 3) / 4) * 4;
  for (int y = image.height - 1; y >= 0; --y) {
    const auto row = indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    out.insert(out.end(), row, row + image.width);
    out.insert(out.end(), rowBytes - image.width, 0);
  }
  PutMask(out, image);
  return out;
}

Bytes CursorFile(const RgbaImage& image, const Bytes& dib, int hotX, int hotY) {
  Bytes out;
  PutU16(out, 0);
  PutU16(out, 2);  // cursor
  PutU16(out, 1);
  out.push_back(static_cast<std::uint8_t>(image.width));
  out.push_back(static_cast<std::uint8_t>(image.height));
  out.push_back(0);  // colour count
  out.push_back(0);
  PutU16(out, static_cast<std::uint32_t>(hotX));
  PutU16(out, static_cast<std::uint32_t>(hotY));
  PutU32(out, static_cast<std::uint32_t>(dib.size()));
  PutU32(out, 22);
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

Bytes IconFile(const std::vector<RgbaImage>& images) {
  std::vector<Bytes> dibs;
  for (const RgbaImage& image : images) dibs.push_back(Dib32(image));
  Bytes out;
  PutU16(out, 0);
  PutU16(out, 1);  // icon
  PutU16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].width));
    out.push_back(static_cast<std::uint8_t>(images[i].height));
    out.push_back(0);  // colour count: more than 256 colours
    out.push_back(0);
    PutU16(out, 1);   // planes
    PutU16(out, 32);  // bits per pixel
    PutU32(out, static_cast<std::uint32_t>(dibs[i].size()));
    PutU32(out, offset);
    offset += static_cast<std::uint32_t>(dibs[i].size());
  }
  for (const Bytes& dib : dibs) out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

}  // namespace velmora::art
