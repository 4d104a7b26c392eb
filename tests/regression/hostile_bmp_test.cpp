// Bitmap headers that lie: sizes, bit depths, palettes and offsets chosen to overflow arithmetic
// or to point outside the data. The reader must refuse them (or, where the format leaves the
// answer open, give a sound picture) without reading outside the buffer.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

#include "canvas/bitmap_file.h"
#include "tests/regression/parser_checks.h"

namespace velmora {
namespace {

struct Header {
  std::int32_t width = 3;
  std::int32_t height = 2;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t headerSize = 40;
  std::optional<std::uint32_t> pixelOffset;  // default: right after the palette
  std::uint32_t paletteEntries = 0;          // entries actually stored
  std::size_t pixelBytes = 0;                // bytes of pixel data actually stored
};

ByteBuffer MakeBitmap(const Header& h) {
  const std::uint32_t offset = h.pixelOffset.value_or(54 + 4 * h.paletteEntries);
  ByteBuffer b{'B', 'M'};
  AppendU32(b, static_cast<std::uint32_t>(54 + 4 * h.paletteEntries + h.pixelBytes));
  AppendU32(b, 0);
  AppendU32(b, offset);
  AppendU32(b, h.headerSize);
  AppendU32(b, static_cast<std::uint32_t>(h.width));
  AppendU32(b, static_cast<std::uint32_t>(h.height));
  AppendU16(b, 1);
  AppendU16(b, h.bits);
  AppendU32(b, h.compression);
  AppendU32(b, 0);
  AppendU32(b, 0);
  AppendU32(b, 0);
  AppendU32(b, h.coloursUsed);
  AppendU32(b, 0);
  for (std::uint32_t i = 0; i < h.paletteEntries; ++i) AppendU32(b, 0x00102030u + i);
  for (std::size_t i = 0; i < h.pixelBytes; ++i) b.push_back(static_cast<std::uint8_t>(i * 7 + 1));
  return b;
}

// A header whose numbers are otherwise right for the pixels it stores.
Header Sound(std::int32_t width, std::int32_t height, std::uint16_t bits) {
  Header h;
  h.width = width;
  h.height = height;
  h.bits = bits;
  h.paletteEntries = bits <= 8 ? (1u << bits) : 0;
  const std::size_t stride = ((static_cast<std::size_t>(bits) * static_cast<std::size_t>(width < 0 ? -width : width) + 31) / 32) * 4;
  h.pixelBytes = stride * static_cast<std::size_t>(height < 0 ? -height : height);
  return h;
}

template <typename Change>
Header With(Header h, Change change) {
  change(h);
  return h;
}

enum class Expect { Refused, Decoded, Either };

struct Case {
  const char* what;
  Header header;
  Expect expect;
  std::int32_t width = 0, height = 0;  // the decoded size, when Decoded
};

TEST(HostileBitmap, LyingHeadersAreRefusedOrGiveASoundPicture) {
  const std::vector<Case> cases = {
      {"the sound 3 x 2 file these cases start from", Sound(3, 2, 24), Expect::Decoded, 3, 2},
      {"width 0", With(Sound(3, 2, 24), [](Header& h) { h.width = 0; }), Expect::Refused},
      {"height 0", With(Sound(3, 2, 24), [](Header& h) { h.height = 0; }), Expect::Refused},
      {"negative width", Sound(-3, 2, 24), Expect::Either, 3, 2},
      {"negative height (rows top first)", Sound(3, -2, 24), Expect::Either, 3, 2},
      {"width INT_MIN", With(Sound(1, 2, 24), [](Header& h) { h.width = INT_MIN; }), Expect::Refused},
      {"height INT_MIN", With(Sound(1, 2, 24), [](Header& h) { h.height = INT_MIN; }), Expect::Refused},
      {"width INT_MAX", With(Sound(1, 1, 24), [](Header& h) { h.width = INT_MAX; }), Expect::Refused},
      {"height INT_MAX", With(Sound(1, 1, 24), [](Header& h) { h.height = INT_MAX; }), Expect::Refused},
      {"both INT_MIN", With(Sound(1, 1, 32), [](Header& h) { h.width = h.height = INT_MIN; }), Expect::Refused},
      {"65536 x 65536 at 1 bit: 2^32 pixels", With(Sound(8, 1, 1), [](Header& h) { h.width = h.height = 65536; }),
       Expect::Refused},
      {"row of 32 x 2^30 bits overflows 32 bits", With(Sound(4, 1, 32), [](Header& h) { h.width = 1 << 30; }),
       Expect::Refused},
      {"row of 24 x 0x7FFFFFFF bits", With(Sound(4, 1, 24), [](Header& h) { h.width = INT_MAX; }), Expect::Refused},
      {"stride x height beyond 2^32", With(Sound(4, 4, 24), [](Header& h) { h.width = 0x10000; h.height = 0x10000; }),
       Expect::Refused},
      {"0 bits per pixel", With(Sound(3, 2, 24), [](Header& h) { h.bits = 0; }), Expect::Refused},
      {"2 bits per pixel", With(Sound(8, 2, 2), [](Header& h) { h.bits = 2; }), Expect::Refused},
      {"16 bits per pixel", Sound(3, 2, 16), Expect::Refused},
      {"48 bits per pixel", Sound(3, 2, 48), Expect::Refused},
      {"65535 bits per pixel", With(Sound(3, 2, 24), [](Header& h) { h.bits = 0xFFFF; }), Expect::Refused},
      {"compression 1", With(Sound(4, 2, 8), [](Header& h) { h.compression = 1; }), Expect::Refused},
      {"compression 3 (bit fields)", With(Sound(3, 2, 32), [](Header& h) { h.compression = 3; }), Expect::Refused},
      {"colours used 300 at 8 bits, all stored",
       With(Sound(4, 2, 8), [](Header& h) { h.coloursUsed = h.paletteEntries = 300; }), Expect::Either, 4, 2},
      {"colours used 3 at 1 bit, all stored",
       With(Sound(9, 2, 1), [](Header& h) { h.coloursUsed = h.paletteEntries = 3; }), Expect::Either, 9, 2},
      {"colours used 1 at 8 bits: indices beyond the palette",
       With(Sound(4, 2, 8), [](Header& h) { h.coloursUsed = h.paletteEntries = 1; }), Expect::Either, 4, 2},
      {"colours used 2^32 - 1: a palette far beyond the file",
       With(Sound(4, 2, 8), [](Header& h) { h.coloursUsed = 0xFFFFFFFFu; }), Expect::Refused},
      {"colours used 2^30: 4 x entries wraps 32 bits",
       With(Sound(4, 2, 8), [](Header& h) { h.coloursUsed = 1u << 30; }), Expect::Refused},
      {"colours used beyond the file by one entry",
       With(Sound(1, 1, 8), [](Header& h) { h.coloursUsed = 257; h.paletteEntries = 256; h.pixelBytes = 0; }),
       Expect::Refused},
      {"palette of 2^bits entries missing", With(Sound(4, 2, 8), [](Header& h) { h.paletteEntries = 0; h.pixelBytes = 8; }),
       Expect::Refused},
      {"pixel offset beyond the file", With(Sound(3, 2, 24), [](Header& h) { h.pixelOffset = 5000; }), Expect::Refused},
      {"pixel offset at the end of the file", With(Sound(3, 2, 24), [](Header& h) { h.pixelOffset = 54 + 24; }),
       Expect::Refused},
      {"pixel offset 2^32 - 1", With(Sound(3, 2, 24), [](Header& h) { h.pixelOffset = 0xFFFFFFFFu; }), Expect::Refused},
      {"pixel offset inside the palette", With(Sound(4, 2, 8), [](Header& h) { h.pixelOffset = 54 + 4; }),
       Expect::Refused},
      {"pixel offset inside the headers", With(Sound(3, 2, 24), [](Header& h) { h.pixelOffset = 14; }), Expect::Refused},
      {"information header size 2^32 - 1", With(Sound(4, 2, 8), [](Header& h) { h.headerSize = 0xFFFFFFFFu; }),
       Expect::Refused},
      {"information header size 0", With(Sound(3, 2, 24), [](Header& h) { h.headerSize = 0; }), Expect::Either, 3, 2},
      {"last row one byte short", With(Sound(3, 2, 24), [](Header& h) { h.pixelBytes -= 1; }), Expect::Refused},
      {"only the first row stored", With(Sound(5, 3, 8), [](Header& h) { h.pixelBytes = 8; }), Expect::Refused},
      {"no pixel rows at all", With(Sound(5, 3, 32), [](Header& h) { h.pixelBytes = 0; }), Expect::Refused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ByteBuffer bytes = MakeBitmap(c.header);
    const auto decoded = DecodeBitmap(bytes);
    EXPECT_EQ(hardening::CheckDecodeBitmap(bytes), "");
    if (c.expect == Expect::Refused) {
      EXPECT_FALSE(decoded);
    } else if (c.expect == Expect::Decoded) {
      EXPECT_TRUE(decoded);
    }
    if (decoded && c.expect != Expect::Refused) {
      EXPECT_EQ(decoded->width, c.width);
      EXPECT_EQ(decoded->height, c.height);
    }
  }
}

// Every prefix of a sound file is refused: it ends before the last row (or inside the headers
// or the palette). Only the whole file decodes.
TEST(HostileBitmap, EveryTruncationOfASoundFileIsRefused) {
  for (const Header& h : {Sound(5, 3, 24), Sound(7, 3, 8), Sound(13, 2, 1), Sound(3, 3, 4), Sound(2, 2, 32)}) {
    const ByteBuffer whole = MakeBitmap(h);
    SCOPED_TRACE(h.bits);
    ASSERT_TRUE(DecodeBitmap(whole));
    for (std::size_t length = 0; length < whole.size(); ++length) {
      // Each prefix in a buffer of its own length, so a read past the end is an overflow.
      const ByteBuffer prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_FALSE(DecodeBitmap(prefix)) << length << " of " << whole.size() << " bytes";
    }
  }
}

}  // namespace
}  // namespace velmora
