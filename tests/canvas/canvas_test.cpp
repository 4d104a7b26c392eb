#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include "canvas/bitmap_file.h"

namespace velmora {
namespace {

constexpr Pixel kRed = 0xFF0000;

Image Snapshot(std::int32_t w, std::int32_t h) {
  Image image(w, h);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) image.Row(y)[x] = PixelFromRgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7);
  return image;
}

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.Place(0, 0, 200, 150);
    canvas.SetBackgroundPicture(EncodeBitmap(snapshot, 0, 0));
  }
  bool Painted(std::int32_t x, std::int32_t y) const { return canvas.Surface().At(x, y) == kRed; }
  std::size_t PaintedCount() const {
    std::size_t n = 0;
    for (Pixel p : canvas.Surface().pixels) n += p == kRed;
    return n;
  }
  Image snapshot = Snapshot(200, 150);
  Canvas canvas;
};

TEST(CanvasInitial, IsAWhiteSquareWithARedPenFiveWide) {
  Canvas canvas;
  EXPECT_EQ(canvas.Placement(), (Rect{25, 25, 175, 175}));
  EXPECT_EQ(canvas.Surface(), Image(150, 150, 0xFFFFFF));
  EXPECT_EQ(canvas.PenColor(), 0x000000FFu);
  EXPECT_EQ(canvas.PenWidth(), 5);
}

TEST_F(CanvasTest, ShowsTheBackgroundPictureAfterItIsSet) { EXPECT_EQ(canvas.Surface(), snapshot); }

TEST_F(CanvasTest, ThinLineLeavesItsEndPointUnpainted) {
  canvas.SetPenWidth(1);
  EXPECT_EQ(canvas.DrawLine(0, 0, 10, 0), (Rect{0, 0, 10, 1}));
  for (int x = 0; x < 10; ++x) EXPECT_TRUE(Painted(x, 0)) << x;
  EXPECT_FALSE(Painted(10, 0));
  EXPECT_EQ(PaintedCount(), 10u);
}

TEST_F(CanvasTest, ConnectedThinSegmentsFormAGapFreeStroke) {
  canvas.SetPenWidth(0);
  canvas.DrawLine(10, 10, 20, 14);
  canvas.DrawLine(20, 14, 23, 30);
  EXPECT_TRUE(Painted(10, 10));
  EXPECT_TRUE(Painted(20, 14));  // the shared point is painted by the next segment
  EXPECT_FALSE(Painted(23, 30));
  EXPECT_EQ(PaintedCount(), 10u + 16u);  // one pixel per step of the longer axis
}

TEST_F(CanvasTest, WideLineHasRoundEndsReachingBeyondBothEndPoints) {
  canvas.SetPenWidth(10);
  const Rect changed = canvas.DrawLine(100, 100, 120, 100);
  EXPECT_TRUE(Painted(97, 100));
  EXPECT_TRUE(Painted(123, 100));
  EXPECT_FALSE(Painted(94, 100));
  EXPECT_FALSE(Painted(127, 100));
  // Straight strokes are exactly as wide as the pen, for even and odd widths.
  int column = 0;
  for (int y = 80; y < 120; ++y) column += Painted(110, y);
  EXPECT_EQ(column, 10);
  for (std::int32_t y = 0; y < 150; ++y)
    for (std::int32_t x = 0; x < 200; ++x) {
      if (Painted(x, y)) {
        EXPECT_TRUE(x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom);
      }
    }
}

TEST_F(CanvasTest, DefaultPenIsFivePixelsAcross) {
  canvas.DrawLine(50, 60, 90, 60);
  int column = 0;
  for (int y = 50; y < 70; ++y) column += Painted(70, y);
  EXPECT_EQ(column, 5);
  EXPECT_TRUE(Painted(70, 58));
  EXPECT_TRUE(Painted(70, 62));
}

TEST_F(CanvasTest, LinesAreClippedWhateverTheirCoordinates) {
  canvas.SetPenWidth(1);
  canvas.DrawLine(-2000000000, 5, 2000000000, 5);
  EXPECT_EQ(PaintedCount(), 200u);
  canvas.SetPenWidth(40);
  EXPECT_TRUE(canvas.DrawLine(-100000, -100000, -90000, -90000).Empty());
  EXPECT_TRUE(canvas.DrawLine(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MAX).Empty());
}

TEST_F(CanvasTest, PenWidthIsClamped) {
  canvas.SetPenWidth(32768);
  EXPECT_EQ(canvas.PenWidth(), 32767);
  canvas.SetPenWidth(-3);
  EXPECT_EQ(canvas.PenWidth(), 0);
  canvas.DrawLine(0, 3, 5, 3);
  EXPECT_EQ(PaintedCount(), 5u);
}

TEST_F(CanvasTest, ClearAreaRestoresTheBackgroundInsideItsRectangleOnly) {
  struct Case { std::int32_t x, y, w, h; Rect cleared; };
  for (const Case c : {Case{10, 10, 20, 20, {10, 10, 30, 30}}, Case{30, 10, -20, 20, {10, 10, 30, 30}},
                       Case{-1, -1, 2, 2, {0, 0, 1, 1}}, Case{190, 140, 50, 50, {190, 140, 200, 150}},
                       Case{300, 10, 5, 5, {}}}) {
    canvas.SetPenWidth(400);
    canvas.DrawLine(100, 75, 101, 75);  // covers the whole canvas
    EXPECT_EQ(canvas.ClearArea(c.x, c.y, c.w, c.h), c.cleared);
    for (std::int32_t y = 0; y < 150; ++y)
      for (std::int32_t x = 0; x < 200; ++x) {
        const bool inside = x >= c.cleared.left && x < c.cleared.right && y >= c.cleared.top && y < c.cleared.bottom;
        ASSERT_EQ(canvas.Surface().At(x, y), inside ? snapshot.At(x, y) : kRed) << x << "," << y;
      }
  }
}

TEST_F(CanvasTest, ClearAllBringsTheSnapshotBackExactly) {
  canvas.DrawLine(0, 0, 199, 149);
  EXPECT_EQ(canvas.ClearAll(), (Rect{0, 0, 200, 150}));
  EXPECT_EQ(canvas.Surface(), snapshot);
}

TEST_F(CanvasTest, ExportIsTheDisplayedImage) {
  canvas.DrawLine(3, 3, 60, 40);
  const auto exported = DecodeBitmap(canvas.ExportCanvas(canvas.Width(), canvas.Height()));
  ASSERT_TRUE(exported);
  EXPECT_EQ(*exported, canvas.Surface());
}

TEST_F(CanvasTest, ANewSizeStartsAgainFromTheBackgroundButAMoveDoesNot) {
  canvas.DrawLine(3, 3, 60, 40);
  const Image drawn = canvas.Surface();
  EXPECT_TRUE(canvas.Place(10, 10, 200, 150).Empty());
  EXPECT_EQ(canvas.Surface(), drawn);
  EXPECT_EQ(canvas.Place(0, 0, 100, 100), (Rect{0, 0, 100, 100}));
  EXPECT_EQ(canvas.Width(), 100);
  EXPECT_EQ(canvas.Surface().At(20, 20), snapshot.At(20, 20));
}

TEST(CanvasBackground, SmallerPicturesAreTiledFromTheTopLeft) {
  Canvas canvas;
  canvas.Place(0, 0, 5, 3);
  Image tile(2, 2);
  tile.pixels = {1, 2, 3, 4};
  canvas.SetBackgroundPicture(EncodeBitmap(tile, 0, 0));
  EXPECT_EQ(canvas.Surface().pixels, (std::vector<Pixel>{1, 2, 1, 2, 1, 3, 4, 3, 4, 3, 1, 2, 1, 2, 1}));
}

TEST(CanvasBackground, UndecodableOrEmptyBytesShowWhite) {
  for (const ByteBuffer& bytes : {ByteBuffer{}, ByteBuffer{'B', 'M', 1, 2, 3}}) {
    Canvas canvas;
    canvas.Place(0, 0, 20, 20);
    canvas.SetBackgroundPicture(bytes);
    canvas.DrawLine(0, 0, 19, 19);
    canvas.ClearAll();
    EXPECT_EQ(canvas.Surface(), Image(20, 20, 0xFFFFFF));
    EXPECT_FALSE(canvas.HasBackgroundPicture());
  }
}

}  // namespace
}  // namespace velmora
