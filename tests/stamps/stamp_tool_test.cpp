#include "stamps/stamp_tool.h"

#include <gtest/gtest.h>

#include "app/menu_list.h"
#include "canvas/picture_drawing.h"
#include "tests/canvas/gif_test_pictures.h"

namespace velmora {
namespace {

constexpr StampSeriesId kAllSeries[] = {StampSeriesId::Goat, StampSeriesId::Car, StampSeriesId::Flower,
                                        StampSeriesId::Firework};

TEST(StampPlacement, CentresThePictureOnThePointer) {
  struct Case {
    int w, h, x, y, left, top;
  };
  const Case cases[] = {
      {300, 300, 400, 300, 250, 150}, {125, 135, 400, 300, 338, 233}, {100, 77, 400, 300, 350, 262},
      {147, 90, 400, 300, 327, 255},  {115, 115, 401, 299, 344, 242}, {150, 150, 400, 300, 325, 225},
      {128, 128, 64, 64, 0, 0},       {256, 256, 500, 400, 372, 272}, {1, 1, 7, 9, 7, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h << " at " << c.x << "," << c.y);
    PictureTable table;
    ToolState state;
    state.mode = ToolMode::Stamp;
    state.stampPicture = table.LoadPicture(testing::SolidGif(c.w, c.h, 0x204080));
    Image canvas(1000, 800);
    const Image before = canvas;
    Rect changed = PlaceStamp(state, table, canvas, c.x, c.y);
    EXPECT_EQ(changed, (Rect{c.left, c.top, c.left + c.w, c.top + c.h}));
    EXPECT_EQ(canvas.At(c.left, c.top), 0x204080u);
    EXPECT_EQ(canvas.At(c.left + c.w - 1, c.top + c.h - 1), 0x204080u);
    if (c.left > 0) {
      EXPECT_EQ(canvas.At(c.left - 1, c.top), before.At(c.left - 1, c.top));
    }
    if (c.top > 0) {
      EXPECT_EQ(canvas.At(c.left, c.top - 1), before.At(c.left, c.top - 1));
    }
    EXPECT_EQ(canvas.At(c.left + c.w, c.top + c.h), before.At(c.left + c.w, c.top + c.h));
  }
}

TEST(StampPlacement, WhiteStaysTransparentAndEdgesClip) {
  PictureTable table;
  ToolState state;
  // White everywhere except index 1 at the picture's centre pixel.
  std::vector<std::uint8_t> indices(9 * 9, 0);
  indices[4 * 9 + 4] = 1;
  state.stampPicture = table.LoadPicture(testing::SimpleGif(9, 9, indices, {kWhitePixel, 0x000000}));
  Image canvas(50, 40, 0x777777);
  EXPECT_EQ(PlaceStamp(state, table, canvas, 0, 39), (Rect{0, 35, 5, 40}));
  Image expected(50, 40, 0x777777);
  expected.Row(39)[0] = 0;
  EXPECT_EQ(canvas, expected);

  // Pressing again elsewhere prints the same picture again.
  EXPECT_EQ(PlaceStamp(state, table, canvas, 20, 20), (Rect{16, 16, 25, 25}));
  expected.Row(20)[20] = 0;
  EXPECT_EQ(canvas, expected);
}

TEST(StampPlacement, NoStampOrAFailedLoadDrawsNothing) {
  PictureTable table;
  Image canvas(20, 20, 0x123456);
  for (PictureHandle none : {kNoPicture, PictureHandle{0}, PictureHandle{77}}) {
    ToolState state;
    state.stampPicture = none;
    EXPECT_TRUE(PlaceStamp(state, table, canvas, 10, 10).Empty());
  }
  EXPECT_EQ(canvas, Image(20, 20, 0x123456));
}

TEST(StampSeriesTest, MenuTextsAndSizesFollowTheMenu) {
  const std::size_t counts[] = {14, 15, 5, 7};
  for (StampSeriesId id : kAllSeries) {
    const auto index = static_cast<std::size_t>(id);
    const MenuItem& item = MenuList()[57 + index];
    EXPECT_EQ(item.command, MenuCommand::StampSeries);
    EXPECT_EQ(item.value, static_cast<std::int32_t>(index));
    EXPECT_EQ(Series(id).menuText, item.text);
    EXPECT_EQ(Series(id).pictures.size(), counts[index]);
  }
}

// The pictures the series embed: each must have its series' size and white corners.
TEST(StampSeriesTest, EveryEmbeddedStampDecodesWithItsSeriesSizeAndWhiteCorners) {
  const std::vector<std::vector<std::pair<int, int>>> sizes = {
      std::vector<std::pair<int, int>>(14, {256, 256}),
      std::vector<std::pair<int, int>>(15, {128, 128}),
      {{100, 77}, {125, 135}, {147, 90}, {115, 115}, {150, 150}},
      std::vector<std::pair<int, int>>(7, {300, 300}),
  };
  int missing = 0;
  for (StampSeriesId id : kAllSeries) {
    const StampSeries& series = Series(id);
    for (std::size_t k = 0; k < series.pictures.size(); ++k) {
      SCOPED_TRACE(::testing::Message() << "series " << static_cast<int>(id) << " picture " << k + 1);
      if (series.pictures[k].empty()) {
        ++missing;
        continue;
      }
      auto p = DecodePicture(series.pictures[k]);
      ASSERT_TRUE(p.has_value());
      EXPECT_EQ(p->kind, PictureKind::Gif);
      auto [w, h] = sizes[static_cast<std::size_t>(id)][k];
      EXPECT_EQ(p->width, w);
      EXPECT_EQ(p->height, h);
      EXPECT_EQ(p->imageWidth, w);
      EXPECT_EQ(p->imageHeight, h);
      if (p->imageWidth != w || p->imageHeight != h) continue;
      for (auto [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
        EXPECT_EQ(p->palette[p->indices[static_cast<std::size_t>(y * p->rowBytes + x)]], kWhitePixel) << x << "," << y;
    }
  }
  if (missing > 0) GTEST_SKIP() << missing << " of 41 stamp pictures are not embedded yet";
}

TEST(StampChoice, OneDrawOneLoadedPictureAndTheOldOneReleased) {
  PictureTable table;
  ToolState state;  // stampPicture 0, as at program start
  RandomSource random;
  random.set_state(1000);
  PictureHandle previous = 0;
  for (int round = 0; round < 12; ++round) {
    const StampSeriesId id = kAllSeries[round % 4];
    SCOPED_TRACE(round);
    RandomSource expectedRandom = random;
    const std::int32_t k = expectedRandom.InRange(1, static_cast<std::int32_t>(Series(id).pictures.size()));
    state.mode = ToolMode::Pen;

    ChooseStampSeries(state, table, random, id);

    EXPECT_EQ(state.mode, ToolMode::Stamp);
    EXPECT_EQ(random.state(), expectedRandom.state());  // exactly one number drawn
    if (previous != 0) {
      EXPECT_EQ(table.FindPicture(previous), nullptr);
    }
    const ByteView chosen = Series(id).pictures[static_cast<std::size_t>(k - 1)];
    if (chosen.empty()) {
      EXPECT_EQ(state.stampPicture, 0);  // not embedded yet: the load fails
      EXPECT_EQ(table.LiveCount(), 0u);
    } else {
      ASSERT_NE(state.stampPicture, 0);
      EXPECT_EQ(table.LiveCount(), 1u);
      EXPECT_EQ(table.FindPicture(state.stampPicture)->indices, DecodePicture(chosen)->indices);
    }
    previous = state.stampPicture;
  }
  ReleaseStamp(state, table);
  EXPECT_EQ(state.stampPicture, kNoPicture);
  EXPECT_EQ(table.LiveCount(), 0u);
}

TEST(StampChoice, ReleaseIgnoresNoPictureAndLeavesOthersAlone) {
  PictureTable table;
  PictureHandle other = table.LoadPicture(testing::SolidGif(4, 4, 0x010101));
  for (PictureHandle start : {PictureHandle{0}, kNoPicture}) {
    ToolState state;
    state.stampPicture = start;
    ReleaseStamp(state, table);
    EXPECT_EQ(state.stampPicture, kNoPicture);
  }
  EXPECT_NE(table.FindPicture(other), nullptr);

  ToolState state;
  state.stampPicture = other;
  ReleaseStamp(state, table);
  ReleaseStamp(state, table);
  EXPECT_EQ(table.LiveCount(), 0u);
  EXPECT_EQ(state.stampPicture, kNoPicture);
}

}  // namespace
}  // namespace velmora
