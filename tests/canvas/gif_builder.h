#pragma once
// Test-only GIF writer: a small LZW encoder and a block builder, so tests can make twins
// (interlaced and not), files with several images, and deliberately broken streams.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/bytes.h"

namespace velmora::testing {

// Codes packed least significant bit first, as GIF stores them.
class BitPacker {
 public:
  void Put(int code, int width) {
    bits_ |= static_cast<std::uint64_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(bits_));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  ByteBuffer Finish() {
    if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(bits_));
    count_ = 0;
    bits_ = 0;
    return out_;
  }

 private:
  ByteBuffer out_;
  std::uint64_t bits_ = 0;
  int count_ = 0;
};

// A plain GIF LZW encoder. `clearWhenFull` false keeps emitting 12-bit codes once the
// dictionary is full, which well-made files never do.
inline ByteBuffer LzwEncode(const std::vector<std::uint8_t>& indices, int minCodeSize, bool clearWhenFull = true,
                            bool endCode = true) {
  const int clear = 1 << minCodeSize, end = clear + 1;
  BitPacker out;
  std::map<std::pair<int, int>, int> dict;
  int width = minCodeSize + 1, next = clear + 2;
  out.Put(clear, width);
  int prefix = -1;
  for (std::uint8_t index : indices) {
    if (prefix < 0) {
      prefix = index;
      continue;
    }
    auto it = dict.find({prefix, index});
    if (it != dict.end()) {
      prefix = it->second;
      continue;
    }
    out.Put(prefix, width);
    if (next < 4096) {
      dict[{prefix, index}] = next++;
      if (next > (1 << width) && width < 12) ++width;
    }
    if (next == 4096 && clearWhenFull) {
      out.Put(clear, width);
      dict.clear();
      width = minCodeSize + 1;
      next = clear + 2;
    }
    prefix = index;
  }
  if (prefix >= 0) {
    out.Put(prefix, width);
    // The reader adds its entry for this code only now, and may widen before the end code.
    if (next == (1 << width) && width < 12) ++width;
  }
  if (endCode) out.Put(end, width);
  return out.Finish();
}

// Hand-written code streams: each code is written at the width a reader of the stream uses
// at that point (it widens when its next free code reaches the next power of two).
class CodeStream {
 public:
  explicit CodeStream(int minCodeSize) : min_(minCodeSize) { Reset(); }
  int clear() const { return 1 << min_; }
  int end() const { return clear() + 1; }
  int next() const { return next_; }

  CodeStream& Emit(int code) {
    out_.Put(code & ((1 << width_) - 1), width_);
    if (code == clear()) {
      Reset();
    } else if (code != end()) {
      if (first_) {
        first_ = false;
        if (next_ == (1 << width_) && width_ < 12) ++width_;  // minimum code size 1 only
      } else if (next_ < 4096) {
        if (++next_ == (1 << width_) && width_ < 12) ++width_;
      }
    }
    return *this;
  }
  ByteBuffer Finish() { return out_.Finish(); }

 private:
  void Reset() {
    width_ = min_ + 1;
    next_ = clear() + 2;
    first_ = true;
  }
  int min_, width_ = 0, next_ = 0;
  bool first_ = true;
  BitPacker out_;
};

// Data cut into sub-blocks of at most `blockSize` bytes, then the zero-length terminator.
inline ByteBuffer SubBlocks(const ByteBuffer& data, std::size_t blockSize = 255) {
  ByteBuffer out;
  for (std::size_t i = 0; i < data.size(); i += blockSize) {
    std::size_t n = std::min(blockSize, data.size() - i);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(i),
               data.begin() + static_cast<std::ptrdiff_t>(i + n));
  }
  out.push_back(0);
  return out;
}

// The rows of an image in the order an interlaced file stores them.
inline std::vector<std::uint8_t> InterlaceRows(const std::vector<std::uint8_t>& indices, int width, int height) {
  std::vector<std::uint8_t> out;
  const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = start[pass]; y < height; y += step[pass])
      out.insert(out.end(), indices.begin() + y * width, indices.begin() + (y + 1) * width);
  return out;
}

struct GifImage {
  std::uint16_t left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> indices;    // top row first, width × height
  std::vector<std::uint32_t> localTable;  // 0x00RRGGBB; empty: none
  bool interlaced = false;
  int minCodeSize = 8;
};

// An image placed at the screen's top-left corner that uses the global table.
inline GifImage TopLeftImage(int width, int height, std::vector<std::uint8_t> indices, bool interlaced = false,
                             int minCodeSize = 8) {
  GifImage image;
  image.width = static_cast<std::uint16_t>(width);
  image.height = static_cast<std::uint16_t>(height);
  image.indices = std::move(indices);
  image.interlaced = interlaced;
  image.minCodeSize = minCodeSize;
  return image;
}

class GifBuilder {
 public:
  // `globalTable` as 0x00RRGGBB colours; empty for none. Its size is rounded up to a power of two.
  GifBuilder(std::uint16_t width, std::uint16_t height, std::vector<std::uint32_t> globalTable,
             const std::string& signature = "GIF89a") {
    bytes_.assign(signature.begin(), signature.end());
    AppendU16(bytes_, width);
    AppendU16(bytes_, height);
    int bits = TableBits(globalTable.size());
    bytes_.push_back(static_cast<std::uint8_t>(globalTable.empty() ? 0x70 : 0xF0 | (bits - 1)));
    bytes_.push_back(0);  // background index
    bytes_.push_back(0);  // aspect
    if (!globalTable.empty()) AppendTable(globalTable, bits);
  }

  GifBuilder& GraphicControl(int transparentIndex = -1, std::uint16_t delay = 0) {
    bytes_.insert(bytes_.end(), {0x21, 0xF9, 4, static_cast<std::uint8_t>(transparentIndex >= 0 ? 1 : 0)});
    AppendU16(bytes_, delay);
    bytes_.push_back(static_cast<std::uint8_t>(transparentIndex >= 0 ? transparentIndex : 0));
    bytes_.push_back(0);
    return *this;
  }
  GifBuilder& Comment(const std::string& text) {
    bytes_.insert(bytes_.end(), {0x21, 0xFE});
    Append(SubBlocks(ByteBuffer(text.begin(), text.end())));
    return *this;
  }
  GifBuilder& Application() {
    const std::string id = "NETSCAPE2.0";
    bytes_.insert(bytes_.end(), {0x21, 0xFF, 11});
    bytes_.insert(bytes_.end(), id.begin(), id.end());
    Append(SubBlocks({1, 0, 0}));
    return *this;
  }
  GifBuilder& PlainText() {
    bytes_.insert(bytes_.end(), {0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0});
    Append(SubBlocks({'h', 'i'}));
    return *this;
  }

  // A descriptor with the given fields, then nothing else.
  GifBuilder& Descriptor(const GifImage& image) {
    bytes_.push_back(0x2C);
    AppendU16(bytes_, image.left);
    AppendU16(bytes_, image.top);
    AppendU16(bytes_, image.width);
    AppendU16(bytes_, image.height);
    int bits = TableBits(image.localTable.size());
    std::uint8_t flags = image.interlaced ? 0x40 : 0;
    if (!image.localTable.empty()) flags |= static_cast<std::uint8_t>(0x80 | (bits - 1));
    bytes_.push_back(flags);
    if (!image.localTable.empty()) AppendTable(image.localTable, bits);
    return *this;
  }

  // A whole image, encoded from its indices.
  GifBuilder& Image(const GifImage& image) {
    Descriptor(image);
    auto stored = image.interlaced ? InterlaceRows(image.indices, image.width, image.height) : image.indices;
    bytes_.push_back(static_cast<std::uint8_t>(image.minCodeSize));
    Append(SubBlocks(LzwEncode(stored, image.minCodeSize)));
    return *this;
  }

  // An image descriptor followed by the given minimum code size and already packed code bytes.
  GifBuilder& ImageWithCodes(const GifImage& image, std::uint8_t minCodeSize, const ByteBuffer& codeBytes) {
    Descriptor(image);
    bytes_.push_back(minCodeSize);
    Append(SubBlocks(codeBytes));
    return *this;
  }

  GifBuilder& Raw(const ByteBuffer& raw) {
    Append(raw);
    return *this;
  }
  GifBuilder& Trailer() {
    bytes_.push_back(0x3B);
    return *this;
  }
  const ByteBuffer& bytes() const { return bytes_; }

 private:
  static int TableBits(std::size_t entries) {
    int bits = 1;
    while ((std::size_t{1} << bits) < entries && bits < 8) ++bits;
    return bits;
  }
  void AppendTable(const std::vector<std::uint32_t>& table, int bits) {
    for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
      std::uint32_t c = i < table.size() ? table[i] : 0;
      bytes_.insert(bytes_.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                   static_cast<std::uint8_t>(c)});
    }
  }
  void Append(const ByteBuffer& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }

  ByteBuffer bytes_;
};

}  // namespace velmora::testing
