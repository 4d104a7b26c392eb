#include "canvas/picture_drawing.h"

#include <gtest/gtest.h>

#include <functional>

#include "canvas/bitmap_file.h"
#include "tests/canvas/gif_test_pictures.h"

namespace velmora {
namespace {

using testing::GifBuilder;
using testing::GifImage;

// A canvas whose every pixel differs from its neighbours and from any picture colour here.
Image Backdrop(std::int32_t w, std::int32_t h) {
  Image image(w, h);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x)
      image.Row(y)[x] = PixelFromRgb(static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 5), 0x5A);
  return image;
}

// Pixels of `after` that differ from `before`, as their bounding rectangle and count.
struct Changes {
  Rect bounds;
  int count = 0;
};
Changes Diff(const Image& before, const Image& after) {
  Changes c;
  for (std::int32_t y = 0; y < before.height; ++y)
    for (std::int32_t x = 0; x < before.width; ++x)
      if (before.At(x, y) != after.At(x, y)) {
        c.bounds = Union(c.bounds, Rect{x, y, x + 1, y + 1});
        ++c.count;
      }
  return c;
}

// A GIF whose pixel (x, y) has palette index (x + 2y) mod 4 over the four given colours.
ByteBuffer FourColourGif(int w, int h, std::vector<std::uint32_t> colours) {
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) indices[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint8_t>((x + 2 * y) % 4);
  return testing::SimpleGif(w, h, indices, colours);
}

class PictureDrawingTest : public ::testing::Test {
 protected:
  Image canvas = Backdrop(200, 150);
  PictureTable table;
};

TEST_F(PictureDrawingTest, WhiteIsTransparentAndNearWhiteIsPainted) {
  const Pixel nearWhite = 0xFEFFFF, black = 0x000000, inner = 0x3366CC;
  PictureHandle h = table.LoadPicture(FourColourGif(8, 8, {kWhitePixel, nearWhite, black, inner}));
  const Image before = canvas;
  Rect changed = DrawPicture(canvas, table, h, 10, 20, kStampDrawMode);
  EXPECT_EQ(changed, (Rect{10, 20, 18, 28}));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      int index = (x + 2 * y) % 4;
      Pixel expected = index == 0 ? before.At(10 + x, 20 + y) : std::array{kWhitePixel, nearWhite, black, inner}[index];
      EXPECT_EQ(canvas.At(10 + x, 20 + y), expected) << x << "," << y;
    }
  EXPECT_EQ(Diff(before, canvas).count, 48);  // 16 white pixels left out
}

TEST_F(PictureDrawingTest, ClippedAtTheTopLeftAndNothingBeyondTheEdges) {
  // Distinct colours so the painted part shows which picture pixels landed where.
  std::vector<std::uint8_t> indices(128 * 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) indices[static_cast<std::size_t>(y * 128 + x)] = static_cast<std::uint8_t>((x + y) % 254);
  PictureHandle h = table.LoadPicture(testing::SimpleGif(128, 128, indices, testing::DistinctPalette()));
  const Picture& p = *table.FindPicture(h);

  const Image before = canvas;
  EXPECT_EQ(DrawPicture(canvas, table, h, -50, -50, kStampDrawMode), (Rect{0, 0, 78, 78}));
  Changes c = Diff(before, canvas);
  EXPECT_EQ(c.bounds, (Rect{0, 0, 78, 78}));
  EXPECT_EQ(c.count, 78 * 78);
  EXPECT_EQ(canvas.At(0, 0), p.palette[(50 + 50) % 254]);
  EXPECT_EQ(canvas.At(77, 77), p.palette[(127 + 127) % 254]);

  canvas = before;
  for (auto [x, y] : {std::pair{200, 0}, std::pair{0, 150}, std::pair{5000, 5000}, std::pair{-128, 10},
                      std::pair{10, -128}, std::pair{INT32_MAX, INT32_MAX}, std::pair{INT32_MIN, INT32_MIN}}) {
    EXPECT_TRUE(DrawPicture(canvas, table, h, x, y, 1).Empty()) << x << "," << y;
  }
  EXPECT_EQ(canvas, before);

  // The bottom-right corner: only the top-left 20 × 10 of the picture.
  EXPECT_EQ(DrawPicture(canvas, table, h, 180, 140, 1), (Rect{180, 140, 200, 150}));
  EXPECT_EQ(Diff(before, canvas).bounds, (Rect{180, 140, 200, 150}));
}

TEST_F(PictureDrawingTest, NoPictureDrawsAndMeasuresNothing) {
  PictureHandle h = table.LoadPicture(testing::SolidGif(300, 300, 0x112233));
  EXPECT_EQ(PictureWidth(table, h), 300);
  EXPECT_EQ(PictureHeight(table, h), 300);
  table.ReleasePicture(h);
  const Image before = canvas;
  for (PictureHandle none : {h, kNoPicture, PictureHandle{0}, PictureHandle{12345}}) {
    EXPECT_TRUE(DrawPicture(canvas, table, none, 0, 0, 1).Empty());
    EXPECT_EQ(PictureWidth(table, none), 0);
    EXPECT_EQ(PictureHeight(table, none), 0);
  }
  EXPECT_EQ(canvas, before);
}

TEST_F(PictureDrawingTest, EveryModeCombinesPictureAndCanvas) {
  const std::vector<std::uint32_t> colours = {0xFF0000, 0x0F0F0F, 0xFFFFFF, 0x123456};
  PictureHandle h = table.LoadPicture(FourColourGif(16, 16, colours));
  using Op = std::function<Pixel(Pixel s, Pixel d)>;
  const Pixel m = 0xFFFFFF;
  struct Case {
    std::int32_t mode;
    Op op;
  };
  const Case cases[] = {
      {1, [](Pixel s, Pixel) { return s; }},
      {2, [&](Pixel s, Pixel) { return ~s & m; }},
      {3, [](Pixel s, Pixel d) { return s ^ d; }},
      {4, [](Pixel s, Pixel d) { return s | d; }},
      {5, [](Pixel s, Pixel d) { return s & d; }},
      // Transparent colour as a ColorRef: 0x0000FF is red, 0xFF0000 would be blue.
      {-0x0000FF, [](Pixel s, Pixel d) { return s == 0xFF0000 ? d : s; }},
      {-0xFF0000, [](Pixel s, Pixel) { return s; }},
      {-0x563412, [](Pixel s, Pixel d) { return s == 0x123456 ? d : s; }},
      {INT32_MIN, [](Pixel s, Pixel) { return s; }},  // a "colour" no pixel can have
      // Raster-operation codes, with the pattern a white brush.
      {0x00CC0020, [](Pixel s, Pixel) { return s; }},
      {0x00EE0086, [](Pixel s, Pixel d) { return s | d; }},
      {0x008800C6, [](Pixel s, Pixel d) { return s & d; }},
      {0x00660046, [](Pixel s, Pixel d) { return s ^ d; }},
      {0x00440328, [&](Pixel s, Pixel d) { return s & ~d & m; }},
      {0x00330008, [&](Pixel s, Pixel) { return ~s & m; }},
      {0x00550009, [&](Pixel, Pixel d) { return ~d & m; }},
      {0x00000042, [](Pixel, Pixel) { return Pixel{0}; }},
      {0, [](Pixel, Pixel) { return Pixel{0}; }},
      {0x00FF0062, [&](Pixel, Pixel) { return m; }},
      {0x00F00021, [&](Pixel, Pixel) { return m; }},
      {0x005A0049, [&](Pixel, Pixel d) { return ~d & m; }},  // P xor D
      {0x00C000CA, [](Pixel s, Pixel) { return s; }},        // P and S
  };
  const Image before = canvas;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    canvas = before;
    EXPECT_EQ(DrawPicture(canvas, table, h, 30, 40, c.mode), (Rect{30, 40, 46, 56}));
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 200; ++x) {
        bool inside = x >= 30 && x < 46 && y >= 40 && y < 56;
        Pixel d = before.At(x, y);
        Pixel expected = inside ? c.op(colours[static_cast<std::size_t>((x - 30 + 2 * (y - 40)) % 4)], d) : d;
        ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
      }
  }
}

TEST_F(PictureDrawingTest, BitmapPicturesDrawTopRowFirst) {
  Image picture(3, 2);
  const Pixel colours[2][3] = {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0x000000, 0xFEFFFF}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) picture.Row(y)[x] = colours[y][x];
  PictureHandle h = table.LoadPicture(EncodeBitmap(picture, 0, 0));
  ASSERT_NE(h, 0);
  for (std::int32_t mode : {1, kStampDrawMode}) {
    SCOPED_TRACE(mode);
    Image target = Backdrop(20, 20);
    const Image before = target;
    EXPECT_EQ(DrawPicture(target, table, h, 5, 7, mode), (Rect{5, 7, 8, 9}));
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        bool hole = mode == kStampDrawMode && colours[y][x] == kWhitePixel;
        EXPECT_EQ(target.At(5 + x, 7 + y), hole ? before.At(5 + x, 7 + y) : colours[y][x]);
      }
    EXPECT_EQ(Diff(before, target).bounds, (Rect{5, 7, 8, 9}));
  }
}

TEST_F(PictureDrawingTest, ScreenPixelsTheImageMissesTakePaletteEntryZero) {
  // A 10 × 6 screen with a 4 × 3 image, then a 6 × 6 screen with a 9 × 9 image.
  GifImage small;
  small.width = 4;
  small.height = 3;
  small.indices.assign(12, 1);
  small.left = 5;  // placement is not used: the image sits at the top-left corner
  PictureHandle h = table.LoadPicture(GifBuilder(10, 6, {0x445566, 0x0000FF}).Image(small).Trailer().bytes());
  EXPECT_EQ(DrawPicture(canvas, table, h, 0, 0, 1), (Rect{0, 0, 10, 6}));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(canvas.At(x, y), (x < 4 && y < 3) ? 0x0000FFu : 0x445566u);

  GifImage large = small;
  large.width = large.height = 9;
  large.indices.assign(81, 1);
  h = table.LoadPicture(GifBuilder(6, 6, {0x445566, 0x00FF00}).Image(large).Trailer().bytes());
  const Image before = canvas;
  for (std::int32_t mode : {1, kStampDrawMode}) {
    canvas = before;
    EXPECT_EQ(DrawPicture(canvas, table, h, 50, 50, mode), (Rect{50, 50, 56, 56}));
    Changes c = Diff(before, canvas);
    EXPECT_EQ(c.bounds, (Rect{50, 50, 56, 56}));
    EXPECT_EQ(canvas.At(55, 55), 0x00FF00u);
  }
}

}  // namespace
}  // namespace velmora
