#include "canvas/bitmap_file.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0;

Image ThreeByTwo() {
  Image image(3, 2);
  image.pixels = {kRed, kGreen, kBlue, kWhite, kBlack, kWhite};  // top row, then bottom row
  return image;
}

TEST(BitmapFile, ThreeByTwoPictureIsWrittenByteForByte) {
  const ByteBuffer bytes = EncodeBitmap(ThreeByTwo(), 0, 0);
  const ByteBuffer expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                       // file header
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,          // size, width, height, planes, bits, compression
      24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,           // image size, resolutions, colours
      0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,                  // bottom row: white, black, white
      0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0,                           // top row: red, green, blue
  };
  EXPECT_EQ(bytes, expected);
}

TEST(BitmapFile, RowsArePaddedToMultiplesOfFour) {
  struct Case { std::int32_t width; std::uint32_t stride; std::size_t fileSize; };
  for (const Case c : {Case{1, 4, 58}, Case{2, 8, 62}, Case{4, 12, 66}, Case{1366, 4100, 54 + 4100}}) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(BitmapStride24(c.width), c.stride);
    Image image(c.width, 1, 0x123456);
    const ByteBuffer bytes = EncodeBitmap(image, 0, 0);
    ASSERT_EQ(bytes.size(), c.fileSize);
    EXPECT_EQ(ReadU32(bytes, 2), bytes.size());
    EXPECT_EQ(ReadU32(bytes, 34), c.stride);
    for (std::size_t i = 54 + 3 * static_cast<std::size_t>(c.width); i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0) << i;
  }
  EXPECT_EQ(BitmapStride24(0), std::nullopt);
  EXPECT_EQ(BitmapStride24(std::int64_t{1} << 31), std::nullopt);
}

TEST(BitmapFile, DecodingWhatWasWrittenGivesThePictureBack) {
  Image image(7, 5);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<Pixel>(i * 0x10305u) & 0xFFFFFF;
  const auto decoded = DecodeBitmap(EncodeBitmap(image, 0, 0));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, image);
}

TEST(BitmapFile, RequestedSizesResolveAgainstTheNaturalSize) {
  struct Case { std::int32_t requested, natural; std::int64_t expected; };
  for (const Case c : {Case{0, 1366, 1366}, Case{640, 1920, 640}, Case{-50, 1920, 960}, Case{-5, 1920, 192},
                       Case{-150, 1920, 2880}, Case{-33, 1366, 451}, Case{-10, 5, 1}, Case{-10, 4, 0},
                       // (2^31 − 1) × 2^31 / 100 = 46116860162799042.56: no overflow, and it rounds up
                       Case{std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                            46116860162799043}}) {
    EXPECT_EQ(ResolveRequestedSide(c.requested, c.natural), c.expected) << c.requested << " of " << c.natural;
  }
}

TEST(BitmapFile, ScaledExportsAverageTheSourcePixels) {
  Image image(4, 2, kBlack);
  image.Row(0)[0] = kWhite;  // one white pixel among four becomes a quarter grey
  const auto decoded = DecodeBitmap(EncodeBitmap(image, -50, -50));
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->width, 2);
  ASSERT_EQ(decoded->height, 1);
  EXPECT_EQ(decoded->At(0, 0), 0x3F3F3Fu);
  EXPECT_EQ(decoded->At(1, 0), kBlack);
}

TEST(BitmapFile, SizesThatResolveToNothingOrCannotBeStoredGiveNoBytes) {
  const Image image = ThreeByTwo();
  EXPECT_TRUE(EncodeBitmap(image, -10, 0).empty());  // 10 % of 3 rounds to 0
  EXPECT_TRUE(EncodeBitmap(Image(), 0, 0).empty());
  EXPECT_TRUE(EncodeBitmap(image, std::numeric_limits<std::int32_t>::max(), 0x7FFF).empty());
}

TEST(BitmapFile, DecodingRefusesDataItCannotTrust) {
  const ByteBuffer good = EncodeBitmap(ThreeByTwo(), 0, 0);
  auto with = [&](std::size_t offset, std::initializer_list<std::uint8_t> patch) {
    ByteBuffer b = good;
    std::copy(patch.begin(), patch.end(), b.begin() + static_cast<std::ptrdiff_t>(offset));
    return b;
  };
  struct Case { const char* what; ByteBuffer bytes; };
  const Case cases[] = {
      {"53 bytes", ByteBuffer(good.begin(), good.begin() + 53)},
      {"no BM", with(0, {'M', 'B'})},
      {"compression 1", with(30, {1})},
      {"data ends inside the last row", ByteBuffer(good.begin(), good.end() - 1)},
      {"width 0", with(18, {0, 0, 0, 0})},
      {"height 0", with(22, {0, 0, 0, 0})},
      {"16 bits per pixel", with(28, {16})},
      {"pixel offset inside the headers", with(10, {53})},
      {"pixel offset beyond the file", with(10, {0xFF, 0xFF, 0xFF, 0x7F})},
      {"width INT_MIN", with(18, {0, 0, 0, 0x80})},
      {"huge height", with(22, {0xFF, 0xFF, 0xFF, 0x7F})},
      {"palette beyond the file", with(28, {8})},
  };
  for (const Case& c : cases) EXPECT_FALSE(DecodeBitmap(c.bytes)) << c.what;
}

TEST(BitmapFile, PalettedRowsUnpackFromTheMostSignificantBits) {
  // A 10 × 1 picture of 1 bit per pixel with the palette black, white: 0b10110000 0b01000000.
  ByteBuffer b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0};
  b.resize(54, 0);
  for (std::uint8_t v : {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}) b.push_back(v);
  for (std::uint8_t v : {0xB0, 0x40, 0, 0}) b.push_back(v);
  const auto decoded = DecodeBitmap(b);
  ASSERT_TRUE(decoded);
  const Pixel expected[] = {kWhite, kBlack, kWhite, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(decoded->At(x, 0), expected[x]) << x;
}

}  // namespace
}  // namespace velmora
