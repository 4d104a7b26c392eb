// GIF decoding: the first image of a GIF87a/GIF89a file as an 8-bit indexed picture.
//
// Decisions for data that is not well formed, all of which end the decode cleanly:
// - The block walk skips stray 0x00 bytes; a trailer (0x3B) before any image means there is
//   no picture, and so does a walk that reaches the end of the data.
// - The image's left/top are ignored: it always sits at the picture's top-left corner. An image
//   larger than the logical screen is decoded at its own size; drawing reads only the part that
//   lies inside the logical screen. Picture pixels the image does not cover take palette entry 0.
// - Minimum code sizes outside 1..11 are refused (with 12 the clear code would not fit).
// - A code above the next free code is undefined and fails the decode; so does the code equal
//   to the next free one when there is no previous string to extend.
// - Once the dictionary holds 4096 codes without a clear, decoding goes on with 12-bit codes
//   and adds no entries, as web browsers do.
// - A code stream that ends (data or sub-blocks run out) without the end code is accepted only
//   if it has filled every pixel of the image; otherwise the decode fails.
// - Images with a zero side, and images whose index buffer would exceed kMaxIndexBytes, are
//   refused before anything is allocated.

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "canvas/picture_table.h"
#include "common/color.h"

namespace velmora {
namespace {

// 64 MiB of indices, far above any picture this program embeds (300 × 300), and small enough
// that a hostile 65535 × 65535 header cannot make us allocate gigabytes.
constexpr std::uint64_t kMaxIndexBytes = 64ull * 1024 * 1024;
constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeWidth = 12;

bool StartsWith(ByteView bytes, std::string_view text) {
  return bytes.size() >= text.size() && std::memcmp(bytes.data(), text.data(), text.size()) == 0;
}

// A cursor over the data in which every read is checked against the end.
class Reader {
 public:
  explicit Reader(ByteView data, std::size_t pos = 0) : data_(data), pos_(pos) {}

  bool Byte(std::uint8_t& out) {
    if (pos_ >= data_.size()) return false;
    out = data_[pos_++];
    return true;
  }
  bool Skip(std::size_t count) {
    if (data_.size() - pos_ < count) return false;
    pos_ += count;
    return true;
  }
  bool U16(std::uint16_t& out) {
    auto v = ReadU16(data_, pos_);
    if (!v) return false;
    out = *v;
    pos_ += 2;
    return true;
  }
  // Skips data sub-blocks up to and including the zero-length one.
  bool SkipSubBlocks() {
    for (;;) {
      std::uint8_t size = 0;
      if (!Byte(size)) return false;
      if (size == 0) return true;
      if (!Skip(size)) return false;
    }
  }
  ByteView Rest() const { return data_.subspan(pos_); }
  std::size_t pos() const { return pos_; }

 private:
  ByteView data_;
  std::size_t pos_;
};

// Reads a colour table of `entries` (red, green, blue) triples into the palette's first entries.
bool ReadColourTable(Reader& in, int entries, std::array<std::uint32_t, 256>& palette) {
  ByteView rest = in.Rest();
  if (rest.size() < static_cast<std::size_t>(entries) * 3) return false;
  for (int i = 0; i < entries; ++i) palette[i] = PixelFromRgb(rest[3 * i], rest[3 * i + 1], rest[3 * i + 2]);
  return in.Skip(static_cast<std::size_t>(entries) * 3);
}

// Joins the image's data sub-blocks into one byte run. A run cut short by the end of the data
// keeps what is there; the LZW decoder then decides whether that was enough.
ByteBuffer GatherSubBlocks(Reader& in) {
  ByteBuffer out;
  for (;;) {
    std::uint8_t size = 0;
    if (!in.Byte(size) || size == 0) break;
    ByteView rest = in.Rest();
    std::size_t take = std::min<std::size_t>(size, rest.size());
    out.insert(out.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(take));
    in.Skip(take);
    if (take < size) break;
  }
  return out;
}

// Least-significant-bit-first codes of a changing width.
class CodeReader {
 public:
  explicit CodeReader(ByteView data) : data_(data) {}
  bool Next(int width, int& code) {
    while (bitCount_ < width) {
      if (pos_ >= data_.size()) return false;
      bits_ |= static_cast<std::uint32_t>(data_[pos_++]) << bitCount_;
      bitCount_ += 8;
    }
    code = static_cast<int>(bits_ & ((1u << width) - 1));
    bits_ >>= width;
    bitCount_ -= width;
    return true;
  }

 private:
  ByteView data_;
  std::size_t pos_ = 0;
  std::uint32_t bits_ = 0;
  int bitCount_ = 0;
};

// Places indices in the order the image stores its rows; every write is checked against the
// image, so extra indices are dropped.
class IndexSink {
 public:
  IndexSink(Picture& picture, bool interlaced)
      : out_(picture.indices), width_(picture.imageWidth), height_(picture.imageHeight),
        rowBytes_(picture.rowBytes), interlaced_(interlaced) {}

  bool Full() const { return row_ >= height_; }
  std::int64_t Remaining() const {
    if (Full()) return 0;
    const std::int64_t rowsAfter = static_cast<std::int64_t>(height_) - 1 - rowsDone_;  // after the current one
    return rowsAfter * width_ + (width_ - column_);
  }

  void Put(std::uint8_t index) {
    if (Full()) return;
    out_[static_cast<std::size_t>(row_) * static_cast<std::size_t>(rowBytes_) + static_cast<std::size_t>(column_)] =
        index;
    if (++column_ == width_) {
      column_ = 0;
      NextRow();
    }
  }

 private:
  void NextRow() {
    ++rowsDone_;
    if (!interlaced_) {
      ++row_;
      return;
    }
    // Passes: rows 0, 8, 16, …; then 4, 12, …; then 2, 6, …; then 1, 3, 5, ….
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    row_ += kStep[pass_];
    while (row_ >= height_ && pass_ < 3) {
      ++pass_;
      row_ = kStart[pass_];
    }
    if (row_ >= height_) row_ = height_;  // all passes done
  }

  std::vector<std::uint8_t>& out_;
  std::int32_t width_, height_, rowBytes_;
  bool interlaced_;
  std::int32_t row_ = 0, column_ = 0, pass_ = 0, rowsDone_ = 0;
};

// The dictionary: each code is a previous code plus one index. Strings are written out by
// walking the prefix chain backwards into a stack, never by recursion.
struct Dictionary {
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{};
  std::array<std::uint8_t, kMaxCodes> first{};
  std::array<std::uint16_t, kMaxCodes> length{};
};

bool DecodeLzw(int minCodeSize, ByteView codes, IndexSink& sink) {
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  auto dict = std::make_unique<Dictionary>();
  for (int i = 0; i < clear; ++i) {
    dict->suffix[i] = static_cast<std::uint8_t>(i);
    dict->first[i] = static_cast<std::uint8_t>(i);
    dict->length[i] = 1;
  }
  std::array<std::uint8_t, kMaxCodes> stack{};

  CodeReader reader(codes);
  int width = minCodeSize + 1;
  int next = clear + 2;
  int previous = -1;  // none: the stream starts as if just cleared
  int code = 0;

  auto emit = [&](int c) {
    // Once the image is full nothing is walked, so even a stream of long strings costs at most
    // one pass over the image plus one string.
    std::int64_t remaining = sink.Remaining();
    if (remaining <= 0) return;
    int len = dict->length[c];
    int depth = 0;
    for (int k = c; depth < len; k = dict->prefix[k]) stack[depth++] = dict->suffix[k];
    int take = static_cast<int>(std::min<std::int64_t>(len, remaining));
    for (int i = 0; i < take; ++i) sink.Put(stack[depth - 1 - i]);
  };

  while (reader.Next(width, code)) {
    if (code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code == end) return true;
    if (previous < 0) {
      if (code >= clear) return false;  // nothing defined yet beyond the literal indices
      emit(code);
      previous = code;
      // Only with a minimum code size of 1 is the first free code already a power of two;
      // the next code may be that one, so it needs the wider width.
      if (next == (1 << width) && width < kMaxCodeWidth) ++width;
      continue;
    }
    if (code > next || (code == next && next >= kMaxCodes)) return false;  // undefined
    std::uint8_t firstOfNew = code < next ? dict->first[code] : dict->first[previous];
    if (next < kMaxCodes) {
      dict->prefix[next] = static_cast<std::uint16_t>(previous);
      dict->suffix[next] = firstOfNew;
      dict->first[next] = dict->first[previous];
      dict->length[next] = static_cast<std::uint16_t>(dict->length[previous] + 1);
      ++next;
      if (next == (1 << width) && width < kMaxCodeWidth) ++width;
    }
    emit(code);
    previous = code;
  }
  return sink.Full();  // no end code: good enough only if the image is complete
}

std::optional<Picture> DecodeImage(Reader& in, Picture picture) {
  std::uint16_t left = 0, top = 0, w = 0, h = 0;
  std::uint8_t flags = 0;
  if (!in.U16(left) || !in.U16(top) || !in.U16(w) || !in.U16(h) || !in.Byte(flags)) return std::nullopt;
  if (w == 0 || h == 0) return std::nullopt;

  if (flags & 0x80) {
    picture.palette.fill(0);  // the local table replaces the global one; entries beyond stay black
    if (!ReadColourTable(in, 2 << (flags & 7), picture.palette)) return std::nullopt;
  }

  const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(w) - 1) | 3) + 1;
  if (rowBytes * h > kMaxIndexBytes) return std::nullopt;

  std::uint8_t minCodeSize = 0;
  if (!in.Byte(minCodeSize) || minCodeSize < 1 || minCodeSize >= kMaxCodeWidth) return std::nullopt;

  picture.imageWidth = w;
  picture.imageHeight = h;
  picture.rowBytes = static_cast<std::int32_t>(rowBytes);
  picture.indices.assign(static_cast<std::size_t>(rowBytes * h), 0);

  ByteBuffer codes = GatherSubBlocks(in);
  IndexSink sink(picture, (flags & 0x40) != 0);
  if (!DecodeLzw(minCodeSize, codes, sink)) return std::nullopt;
  return picture;
}

}  // namespace

PictureKind RecogniseKind(ByteView b) {
  if (b.size() < 6) return PictureKind::None;
  auto word = [&](int i) { return static_cast<std::uint16_t>(b[2 * i] | (b[2 * i + 1] << 8)); };
  if (b[0] == 0x42 && b[1] == 0x4D) return PictureKind::Bitmap;
  if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::Jpeg;
  if (word(0) == 0 && word(1) == 1 && word(2) > 0) return PictureKind::Icon;
  if (word(0) == 0 && word(1) == 2 && word(2) > 0) return PictureKind::Cursor;
  if (StartsWith(b, "GIF87a") || StartsWith(b, "GIF89a")) return PictureKind::Gif;
  if (b[0] == 0x0A && b[1] <= 5 && b[2] == 1 && b[3] == 8) return PictureKind::Pcx8;
  if (b[0] == 0x0A && b[1] == 3 && b[2] == 1 && b[3] == 1) return PictureKind::Pcx1;
  return PictureKind::None;
}

std::optional<Picture> DecodeGif(ByteView bytes) {
  if (bytes.size() <= 13 || !(StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a"))) return std::nullopt;

  Picture picture;
  picture.kind = PictureKind::Gif;
  picture.width = *ReadU16(bytes, 6);
  picture.height = *ReadU16(bytes, 8);
  const std::uint8_t screenFlags = bytes[10];
  if (picture.width == 0 || picture.height == 0) return std::nullopt;

  Reader in(bytes, 13);
  if (screenFlags & 0x80) {
    const int entries = 2 << (screenFlags & 7);
    // The table must be followed by at least one more byte.
    if (bytes.size() <= 13 + 3 * static_cast<std::size_t>(entries)) return std::nullopt;
    if (!ReadColourTable(in, entries, picture.palette)) return std::nullopt;
  }

  for (;;) {
    std::uint8_t introducer = 0;
    if (!in.Byte(introducer)) return std::nullopt;
    switch (introducer) {
      case 0x2C: return DecodeImage(in, std::move(picture));
      case 0x00: continue;                // stray padding between blocks
      case 0x3B: return std::nullopt;     // trailer: the file holds no image
      case 0x21: break;
      default: return std::nullopt;
    }
    std::uint8_t label = 0;
    if (!in.Byte(label)) return std::nullopt;
    bool ok = false;
    switch (label) {
      case 0xF9: ok = in.Skip(6); break;  // size byte, 4 bytes of values, terminator: none matter here
      case 0x01: ok = in.Skip(13) && in.SkipSubBlocks(); break;
      case 0xFE: ok = in.SkipSubBlocks(); break;
      case 0xFF: ok = in.Skip(12) && in.SkipSubBlocks(); break;
      default: ok = false; break;
    }
    if (!ok) return std::nullopt;
  }
}

}  // namespace velmora
