// The four embedded cursor files: byte layout, hot spots, masks that agree with the colours,
// and where each picture is drawn relative to its hot spot.
#include <gtest/gtest.h>

#include <ostream>

#include "assets/embedded_assets.h"
#include "asset_file_reading.h"
#include "canvas/cursor_file.h"

namespace velmora::asset_tests {
namespace {

struct CursorCase {
  const char* name;
  std::size_t fileLength;
  int bits;
  int hotX, hotY;
  std::uint32_t imageLength;
};

void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.name; }

const CursorCase kCursors[] = {
    {"pen.cur", 4286, 32, 0, 0, 4264},
    {"eraser.cur", 2238, 8, 0, 0, 2216},
    {"stamp.cur", 4286, 32, 0, 0, 4264},
    {"window.cur", 2238, 8, 12, 0, 2216},
};

DibView CursorImage(ByteView file, int bits) {
  return DibView{file.subspan(22), 32, 32, bits};
}

class CursorAsset : public ::testing::TestWithParam<CursorCase> {};

TEST_P(CursorAsset, HasTheCursorFileLayout) {
  const CursorCase& c = GetParam();
  const ByteView file = assets::File(c.name);
  ASSERT_EQ(file.size(), c.fileLength);
  EXPECT_EQ(U16(file, 0), 0u);
  EXPECT_EQ(U16(file, 2), 2u);  // cursor
  EXPECT_EQ(U16(file, 4), 1u);
  EXPECT_EQ(U8(file, 6), 32);
  EXPECT_EQ(U8(file, 7), 32);
  EXPECT_EQ(U8(file, 8), 0);  // colour count
  EXPECT_EQ(U8(file, 9), 0);
  EXPECT_EQ(U16(file, 10), static_cast<std::uint32_t>(c.hotX));
  EXPECT_EQ(U16(file, 12), static_cast<std::uint32_t>(c.hotY));
  EXPECT_EQ(U32(file, 14), c.imageLength);
  EXPECT_EQ(U32(file, 18), 22u);
  // The image: header with the height of colour image and mask together.
  EXPECT_EQ(U32(file, 22), 40u);
  EXPECT_EQ(U32(file, 26), 32u);
  EXPECT_EQ(U32(file, 30), 64u);
  EXPECT_EQ(U16(file, 34), 1u);
  EXPECT_EQ(U16(file, 36), static_cast<std::uint32_t>(c.bits));
  EXPECT_EQ(U32(file, 38), 0u);  // not compressed
  if (c.bits == 8) {
    EXPECT_EQ(U32(file, 54), 256u);  // palette entries used
  }
  EXPECT_EQ(CursorImage(file, c.bits).ExpectedSize(), c.imageLength);

  // The program's own cursor check accepts it with the same size and hot spot.
  const auto parsed = ParseCursorFile(file);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->width, 32);
  EXPECT_EQ(parsed->hotX, c.hotX);
  EXPECT_EQ(parsed->hotY, c.hotY);
  EXPECT_EQ(parsed->image.size(), c.imageLength);
}

TEST_P(CursorAsset, MaskIsSetExactlyWhereNothingIsDrawn) {
  const CursorCase& c = GetParam();
  const ByteView file = assets::File(c.name);
  ASSERT_EQ(file.size(), c.fileLength);
  const DibView dib = CursorImage(file, c.bits);
  int opaque = 0, clear = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::size_t at = dib.ColourAt(x, y);
      const bool mask = dib.MaskBit(x, y);
      if (c.bits == 32) {
        const std::uint8_t alpha = U8(dib.image, at + 3);
        EXPECT_EQ(mask, alpha == 0) << c.name << " at " << x << "," << y;
        // Under a set mask bit the colour must be black, or the screen would be inverted there.
        if (mask) {
          EXPECT_EQ(U8(dib.image, at) | U8(dib.image, at + 1) | U8(dib.image, at + 2), 0) << x << "," << y;
        }
      } else if (mask) {
        const std::uint8_t index = U8(dib.image, at);
        const std::size_t entry = 40 + 4 * static_cast<std::size_t>(index);
        EXPECT_EQ(U8(dib.image, entry) | U8(dib.image, entry + 1) | U8(dib.image, entry + 2), 0)
            << c.name << " at " << x << "," << y;
      }
      mask ? ++clear : ++opaque;
    }
  }
  // A picture, not an empty or a solid square.
  EXPECT_GT(opaque, 40) << c.name;
  EXPECT_GT(clear, 300) << c.name;
}

INSTANTIATE_TEST_SUITE_P(All, CursorAsset, ::testing::ValuesIn(kCursors),
                         [](const auto& info) {
                           const std::string name = info.param.name;
                           return name.substr(0, name.find('.'));
                         });

// The drawn pixels' bounding box.
struct Box {
  int left = 32, top = 32, right = -1, bottom = -1;
};

Box DrawnBox(const DibView& dib, int x0, int y0, int x1, int y1) {
  Box b;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (dib.Opaque(x, y)) {
        b.left = std::min(b.left, x);
        b.top = std::min(b.top, y);
        b.right = std::max(b.right, x);
        b.bottom = std::max(b.bottom, y);
      }
  return b;
}

TEST(CursorPictures, SitWhereTheirHotSpotsSayTheyDo) {
  const DibView pen = CursorImage(assets::PenCursor(), 32);
  const DibView eraser = CursorImage(assets::EraserCursor(), 8);
  const DibView stamp = CursorImage(assets::StampCursor(), 32);
  const DibView arrow = CursorImage(assets::WindowCursor(), 8);
  ASSERT_EQ(assets::PenCursor().size(), 4286u);
  ASSERT_EQ(assets::EraserCursor().size(), 2238u);
  ASSERT_EQ(assets::StampCursor().size(), 4286u);
  ASSERT_EQ(assets::WindowCursor().size(), 2238u);

  // The pen's tip is the top-left pixel, and the pen runs down to the right from it.
  EXPECT_TRUE(pen.Opaque(0, 0));
  const Box penBox = DrawnBox(pen, 0, 0, 32, 32);
  EXPECT_GE(penBox.right, 20);
  EXPECT_GE(penBox.bottom, 20);

  // The eraser: a small cross in the top-left corner, clear of the block below right of it.
  const Box cross = DrawnBox(eraser, 0, 0, 8, 8);
  EXPECT_LE(cross.right, 7);
  EXPECT_TRUE(eraser.Opaque(3, 3));
  EXPECT_FALSE(eraser.Opaque(7, 7));
  const Box block = DrawnBox(eraser, 8, 8, 32, 32);
  EXPECT_GE(block.right, 24);
  EXPECT_GE(block.bottom, 24);

  // The stamp keeps away from its hot spot, toward the bottom right.
  const Box stampBox = DrawnBox(stamp, 0, 0, 32, 32);
  EXPECT_GE(stampBox.left, 8);
  EXPECT_GE(stampBox.top, 6);
  EXPECT_GE(stampBox.bottom, 28);

  // The arrow's point is the hot spot on the top row; nothing is drawn left of the point's column
  // on that row.
  EXPECT_TRUE(arrow.Opaque(12, 0));
  for (int x = 0; x < 12; ++x) EXPECT_FALSE(arrow.Opaque(x, 0)) << x;
}

}  // namespace
}  // namespace velmora::asset_tests
