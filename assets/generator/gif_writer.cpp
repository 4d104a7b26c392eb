#include "gif_writer.h"

#include <array>

namespace velmora::art {
namespace {

constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kFirstFreeCode = kClearCode + 2;
// The dictionary is cleared once it holds this many codes, one short of the 4096 a decoder can
// keep, so no decoder ever sees a full table.
constexpr int kCodeLimit = 4095;

void AppendU16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

// Packs codes least significant bit first and cuts the bytes into sub-blocks of 255.
class CodeWriter {
 public:
  void Put(int code, int size) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += size;
    while (count_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::vector<std::uint8_t> Finish() {
    if (count_ > 0) bytes_.push_back(static_cast<std::uint8_t>(bits_ & 0xFF));
    std::vector<std::uint8_t> out;
    for (std::size_t at = 0; at < bytes_.size(); at += 255) {
      const std::size_t n = std::min<std::size_t>(255, bytes_.size() - at);
      out.push_back(static_cast<std::uint8_t>(n));
      out.insert(out.end(), bytes_.begin() + at, bytes_.begin() + at + n);
    }
    out.push_back(0);
    return out;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

}  // namespace

std::optional<IndexedPicture> IndexPicture(const Painter& picture, const GifForm& form) {
  IndexedPicture out;
  out.width = picture.width();
  out.height = picture.height();
  out.palette.assign(256, Rgb{0, 0, 0});
  std::array<bool, 256> taken{};
  int whiteIndex = -1;
  for (const GifForm::Entry& e : form.fixed) {
    if (e.index < 0 || e.index > 255) return std::nullopt;
    out.palette[e.index] = e.colour;
    taken[e.index] = true;
    if (whiteIndex < 0 && e.colour == kWhite) whiteIndex = e.index;
  }
  // Colours found so far, with their indices; a picture has few, so a linear search will do.
  std::vector<std::pair<Rgb, int>> known;
  if (whiteIndex >= 0) known.push_back({kWhite, whiteIndex});
  int nextFree = 0;
  out.indices.reserve(picture.pixels().size());
  for (const Rgb& c : picture.pixels()) {
    int index = -1;
    for (const auto& [colour, i] : known) {
      if (colour == c) { index = i; break; }
    }
    if (index < 0) {
      while (nextFree < 256 && taken[nextFree]) ++nextFree;
      if (nextFree == 256) return std::nullopt;
      index = nextFree;
      taken[index] = true;
      out.palette[index] = c;
      known.push_back({c, index});
    }
    out.indices.push_back(static_cast<std::uint8_t>(index));
  }
  return out;
}

std::vector<std::uint8_t> EncodeLzwBlocks(const std::vector<std::uint8_t>& indices) {
  CodeWriter writer;
  // dictionary[prefix * 256 + byte] = code of prefix followed by byte, or 0 when not yet known
  // (0 is never a multi-byte code).
  std::vector<std::uint16_t> dictionary(4096 * 256, 0);
  int codeSize = kMinCodeSize + 1;
  int nextCode = kFirstFreeCode;
  writer.Put(kClearCode, codeSize);
  if (indices.empty()) {
    writer.Put(kEndCode, codeSize);
    return writer.Finish();
  }
  int prefix = indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const int byte = indices[i];
    const std::uint16_t known = dictionary[static_cast<std::size_t>(prefix) * 256 + byte];
    if (known != 0) {
      prefix = known;
      continue;
    }
    writer.Put(prefix, codeSize);
    if (nextCode < kCodeLimit) {
      dictionary[static_cast<std::size_t>(prefix) * 256 + byte] = static_cast<std::uint16_t>(nextCode);
      // A decoder adds each entry one code later than the encoder, so it widens its codes when
      // its next free code reaches 2^size; the encoder does so once it has given out that code.
      if (nextCode == (1 << codeSize) && codeSize < 12) ++codeSize;
      ++nextCode;
    } else {
      writer.Put(kClearCode, codeSize);
      std::fill(dictionary.begin(), dictionary.end(), 0);
      codeSize = kMinCodeSize + 1;
      nextCode = kFirstFreeCode;
    }
    prefix = byte;
  }
  writer.Put(prefix, codeSize);
  writer.Put(kEndCode, codeSize);
  return writer.Finish();
}

std::optional<std::vector<std::uint8_t>> WriteGif(const Painter& picture, const GifForm& form) {
  const std::optional<IndexedPicture> indexed = IndexPicture(picture, form);
  if (!indexed) return std::nullopt;
  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  // Logical screen: the picture's size, a global table of 2^(7+1) entries.
  AppendU16(out, indexed->width);
  AppendU16(out, indexed->height);
  out.push_back(static_cast<std::uint8_t>(0x80 | ((form.colourResolution - 1) & 7) << 4 | 7));
  out.push_back(static_cast<std::uint8_t>(form.backgroundIndex));
  out.push_back(0);  // pixel aspect ratio: not given
  for (const Rgb& c : indexed->palette) {
    out.push_back(c.r);
    out.push_back(c.g);
    out.push_back(c.b);
  }
  // Graphic control extension.
  out.insert(out.end(), {0x21, 0xF9, 0x04});
  out.push_back(static_cast<std::uint8_t>((form.disposal & 7) << 2 | (form.transparencyFlag ? 1 : 0)));
  AppendU16(out, form.delay);
  out.push_back(static_cast<std::uint8_t>(form.transparentIndex));
  out.push_back(0);
  // Image descriptor: the whole screen from (0, 0), no local table, not interlaced.
  out.push_back(0x2C);
  AppendU16(out, 0);
  AppendU16(out, 0);
  AppendU16(out, indexed->width);
  AppendU16(out, indexed->height);
  out.push_back(0);
  out.push_back(kMinCodeSize);
  const std::vector<std::uint8_t> blocks = EncodeLzwBlocks(indexed->indices);
  out.insert(out.end(), blocks.begin(), blocks.end());
  out.push_back(0x3B);
  out.insert(out.end(), form.afterTrailer.begin(), form.afterTrailer.end());
  return out;
}

}  // namespace velmora::art
