// The tray icon file and the program file's icon: three 32-bit images, 48, 32 and 16 pixels.
#include <gtest/gtest.h>

#include "assets/embedded_assets.h"
#include "asset_file_reading.h"

namespace velmora::asset_tests {
namespace {

struct IconEntry {
  int size;
  std::uint32_t length, offset;
};

constexpr IconEntry kEntries[] = {{48, 9640, 54}, {32, 4264, 9694}, {16, 1128, 13958}};

void ExpectThreeImageIcon(ByteView file) {
  ASSERT_EQ(file.size(), 15086u);
  EXPECT_EQ(U16(file, 0), 0u);
  EXPECT_EQ(U16(file, 2), 1u);  // icon
  EXPECT_EQ(U16(file, 4), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const IconEntry& e = kEntries[i];
    SCOPED_TRACE(e.size);
    const std::size_t at = 6 + 16 * i;
    EXPECT_EQ(U8(file, at), e.size);
    EXPECT_EQ(U8(file, at + 1), e.size);
    EXPECT_EQ(U8(file, at + 2), 0);  // colour count
    EXPECT_EQ(U8(file, at + 3), 0);
    EXPECT_EQ(U16(file, at + 4), 1u);   // planes
    EXPECT_EQ(U16(file, at + 6), 32u);  // bits per pixel
    EXPECT_EQ(U32(file, at + 8), e.length);
    ASSERT_EQ(U32(file, at + 12), e.offset);

    const ByteView image = file.subspan(e.offset, e.length);
    EXPECT_EQ(U32(image, 0), 40u);
    EXPECT_EQ(U32(image, 4), static_cast<std::uint32_t>(e.size));
    EXPECT_EQ(U32(image, 8), static_cast<std::uint32_t>(2 * e.size));
    EXPECT_EQ(U16(image, 12), 1u);
    EXPECT_EQ(U16(image, 14), 32u);
    EXPECT_EQ(U32(image, 16), 0u);
    const DibView dib{image, e.size, e.size, 32};
    ASSERT_EQ(dib.ExpectedSize(), e.length);

    // The mask is set exactly where alpha is 0, the corners are see-through, and at least a
    // third of the square is drawn.
    int drawn = 0;
    for (int y = 0; y < e.size; ++y)
      for (int x = 0; x < e.size; ++x) {
        const bool opaque = U8(image, dib.ColourAt(x, y) + 3) != 0;
        EXPECT_EQ(dib.MaskBit(x, y), !opaque) << x << "," << y;
        drawn += opaque;
      }
    EXPECT_FALSE(dib.Opaque(0, e.size - 1));
    EXPECT_FALSE(dib.Opaque(e.size - 1, e.size - 1));
    EXPECT_GT(drawn * 3, e.size * e.size);
  }
}

TEST(IconAssets, TrayIconHasThreeImagesOfTheExpectedForm) { ExpectThreeImageIcon(assets::TrayIconFile()); }

TEST(IconAssets, ProgramIconHasTheSameForm) { ExpectThreeImageIcon(assets::File("program.ico")); }

}  // namespace
}  // namespace velmora::asset_tests
