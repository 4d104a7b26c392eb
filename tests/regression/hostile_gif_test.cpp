// GIF inputs that go beyond the decoder's own hostile table: interlacing at every small height,
// indices past the colour table, lying block sizes, bytes after the end, pictures far larger
// than the canvas drawn at its edges, and a picture that must not keep its source bytes.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "canvas/image.h"
#include "canvas/picture_drawing.h"
#include "canvas/picture_table.h"
#include "tests/canvas/gif_builder.h"
#include "tests/regression/gif_checks.h"

namespace velmora {
namespace {

using testing::GifBuilder;
using testing::GifImage;
using testing::TopLeftImage;

std::vector<std::uint32_t> FourColours() { return {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}; }

std::vector<std::uint8_t> Pattern(int width, int height, int colours) {
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<std::uint8_t>((i * 7 + i / 3) % colours);
  return out;
}

ByteBuffer OneImage(int width, int height, bool interlaced, std::vector<std::uint8_t> indices,
                    std::vector<std::uint32_t> table = FourColours(), int minCodeSize = 2) {
  return GifBuilder(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), std::move(table))
      .Image(TopLeftImage(width, height, std::move(indices), interlaced, minCodeSize))
      .Trailer()
      .bytes();
}

// The four interlace passes leave some of them empty for small heights; every height from 1
// to 17 must still give the rows in their places.
TEST(HostileGif, InterlacedRowsLandInPlaceAtEverySmallHeight) {
  for (int height = 1; height <= 17; ++height) {
    SCOPED_TRACE(height);
    const auto indices = Pattern(5, height, 4);
    const auto plain = DecodeGif(OneImage(5, height, false, indices));
    const auto interlaced = DecodeGif(OneImage(5, height, true, indices));
    ASSERT_TRUE(plain);
    ASSERT_TRUE(interlaced);
    EXPECT_EQ(interlaced->indices, plain->indices);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < 5; ++x) {
        ASSERT_EQ(plain->indices[static_cast<std::size_t>(y * plain->rowBytes + x)], indices[static_cast<std::size_t>(y * 5 + x)]);
      }
    }
  }
}

// A two-colour table with indices up to 255: drawing must stay inside the 256-entry palette
// and paint only colours the picture can name.
TEST(HostileGif, IndicesBeyondTheColourTableDrawWithoutHarm) {
  std::vector<std::uint8_t> indices(16 * 16);
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i);
  const ByteBuffer bytes = OneImage(16, 16, false, indices, {0x102030, 0x405060}, 8);
  EXPECT_EQ(hardening::CheckLoadAndDrawPicture(bytes), "");

  PictureTable table;
  const PictureHandle handle = table.LoadPicture(bytes);
  ASSERT_NE(handle, 0);
  Image target(16, 16, 0x00ABCDEF);
  EXPECT_EQ(DrawPicture(target, table, handle, 0, 0, 1), target.Bounds());
  EXPECT_EQ(target.At(0, 0), 0x102030u);
  EXPECT_EQ(target.At(1, 0), 0x405060u);
  for (const Pixel p : target.pixels) EXPECT_LE(p, 0x00FFFFFFu);
}

// The graphic control block is always its size byte, four bytes and a terminator, whatever the
// size byte says; bytes after the end code or after the image are never read.
TEST(HostileGif, LyingSizesAndTrailingBytesDoNotChangeThePicture) {
  const auto indices = Pattern(6, 4, 4);
  const GifImage image = TopLeftImage(6, 4, indices, false, 2);
  const auto reference = DecodeGif(OneImage(6, 4, false, indices));
  ASSERT_TRUE(reference);

  for (const std::uint8_t sizeByte : {0, 1, 3, 255}) {
    SCOPED_TRACE(static_cast<int>(sizeByte));
    const ByteBuffer lying = GifBuilder(6, 4, FourColours())
                                 .Raw({0x21, 0xF9, sizeByte, 1, 0, 0, 3, 0})
                                 .Image(image)
                                 .Trailer()
                                 .bytes();
    const auto decoded = DecodeGif(lying);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->indices, reference->indices);
  }

  ByteBuffer trailing = OneImage(6, 4, false, indices);
  trailing.pop_back();  // the trailer
  for (int i = 0; i < 300; ++i) trailing.push_back(static_cast<std::uint8_t>(i * 31));
  const auto decoded = DecodeGif(trailing);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->indices, reference->indices);
  EXPECT_EQ(hardening::CheckLoadAndDrawPicture(trailing), "");
}

// A 65535 × 65535 logical screen holding a 1 × 1 image, drawn so that only its far corner, or
// nothing, falls on a small canvas.
TEST(HostileGif, HugePictureDrawnAtTheCanvasEdgesPaintsOnlyWhatFallsOnIt) {
  const GifImage image = TopLeftImage(1, 1, {1}, false, 2);
  const ByteBuffer bytes = GifBuilder(65535, 65535, FourColours()).Image(image).Trailer().bytes();
  PictureTable table;
  const PictureHandle handle = table.LoadPicture(bytes);
  ASSERT_NE(handle, 0);
  EXPECT_EQ(PictureWidth(table, handle), 65535);

  struct Case {
    std::int32_t x, y;
    Rect changed;
  };
  const Case cases[] = {
      {-65534, -65534, Rect{0, 0, 1, 1}},
      {-65535, 0, Rect{}},
      {0, 0, Rect{0, 0, 16, 12}},
      {15, 11, Rect{15, 11, 16, 12}},
      {16, 0, Rect{}},
      {INT_MIN, INT_MIN, Rect{}},
      {INT_MAX, INT_MAX, Rect{}},
      {INT_MIN + 65534, 0, Rect{}},
      {INT_MAX - 65534, 0, Rect{}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y);
    Image target(16, 12, 0x00123456);
    const Image before = target;
    EXPECT_EQ(DrawPicture(target, table, handle, c.x, c.y, 1), c.changed);
    for (std::int32_t y = 0; y < 12; ++y) {
      for (std::int32_t x = 0; x < 16; ++x) {
        const bool inside = x >= c.changed.left && x < c.changed.right && y >= c.changed.top && y < c.changed.bottom;
        if (!inside) {
          ASSERT_EQ(target.At(x, y), before.At(x, y)) << x << ", " << y;
        }
      }
    }
  }
  EXPECT_EQ(hardening::CheckLoadAndDrawPicture(bytes), "");
}

// The table decodes once and keeps nothing of the caller's bytes: drawing after they are
// gone (AddressSanitizer would report a read of freed memory) or overwritten gives the same.
TEST(HostileGif, APictureOutlivesTheBytesItWasLoadedFrom) {
  const ByteBuffer original = OneImage(8, 6, true, Pattern(8, 6, 4));
  auto bytes = std::make_unique<ByteBuffer>(original);
  PictureTable table;
  const PictureHandle handle = table.LoadPicture(*bytes);
  ASSERT_NE(handle, 0);
  std::fill(bytes->begin(), bytes->end(), 0xEE);
  bytes.reset();

  Image drawn(10, 10, 0);
  DrawPicture(drawn, table, handle, 1, 1, kStampDrawMode);
  PictureTable fresh;
  const PictureHandle again = fresh.LoadPicture(original);
  Image expected(10, 10, 0);
  DrawPicture(expected, fresh, again, 1, 1, kStampDrawMode);
  EXPECT_EQ(drawn, expected);
}

}  // namespace
}  // namespace velmora
