#include "canvas/picture_table.h"

#include <gtest/gtest.h>

#include "canvas/bitmap_file.h"
#include "tests/canvas/gif_test_pictures.h"

namespace velmora {
namespace {

using testing::SolidGif;

TEST(PictureKindTest, RecognisedFromTheFirstBytesInOrder) {
  struct Case {
    ByteBuffer bytes;
    PictureKind kind;
  };
  const Case cases[] = {
      {{'B', 'M', 0, 0, 0, 0}, PictureKind::Bitmap},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureKind::Jpeg},
      {{0, 0, 1, 0, 1, 0}, PictureKind::Icon},
      {{0, 0, 1, 0, 0, 0}, PictureKind::None},  // an icon file of no images
      {{0, 0, 2, 0, 3, 0}, PictureKind::Cursor},
      {{'G', 'I', 'F', '8', '7', 'a'}, PictureKind::Gif},
      {{'G', 'I', 'F', '8', '9', 'a'}, PictureKind::Gif},
      {{'G', 'I', 'F', '8', '9', 'b'}, PictureKind::None},
      {{0x0A, 5, 1, 8, 0, 0}, PictureKind::Pcx8},
      {{0x0A, 3, 1, 8, 0, 0}, PictureKind::Pcx8},  // both PCX tests match: the first wins
      {{0x0A, 3, 1, 1, 0, 0}, PictureKind::Pcx1},
      {{0x0A, 6, 1, 8, 0, 0}, PictureKind::None},
      {{'B', 'M', 0, 0, 0}, PictureKind::None},  // fewer than six bytes
      {{}, PictureKind::None},
  };
  for (const Case& c : cases) EXPECT_EQ(RecogniseKind(c.bytes), c.kind) << ::testing::PrintToString(c.bytes);
}

TEST(PictureTableTest, FailedLoadsGiveZeroAndEnterNothing) {
  ByteBuffer gif89b = {'G', 'I', 'F', '8', '9', 'b'};
  gif89b.resize(20, 0);
  ByteBuffer thirteen = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
  ByteBuffer jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F'};
  ByteBuffer badBitmap = EncodeBitmap(Image(4, 4), 0, 0);
  badBitmap.resize(badBitmap.size() - 1);  // ends inside its last row
  PictureTable table;
  for (const ByteBuffer& bytes : {ByteBuffer{}, ByteBuffer{'G', 'I', 'F', '8', '9'}, gif89b, thirteen, jpeg, badBitmap}) {
    EXPECT_EQ(table.LoadPicture(bytes), 0);
    EXPECT_EQ(table.LiveCount(), 0u);
  }
}

TEST(PictureTableTest, EachLoadIsItsOwnLivePicture) {
  const ByteBuffer bytes = SolidGif(300, 300, 0x102030);
  PictureTable table;
  PictureHandle a = table.LoadPicture(bytes);
  PictureHandle b = table.LoadPicture(bytes);
  for (PictureHandle h : {a, b}) {
    EXPECT_NE(h, 0);
    EXPECT_NE(h, kNoPicture);
  }
  EXPECT_NE(a, b);
  ASSERT_NE(table.FindPicture(a), nullptr);
  EXPECT_NE(table.FindPicture(a), table.FindPicture(b));
  EXPECT_EQ(table.FindPicture(a)->width, 300);
  EXPECT_EQ(table.FindPicture(a)->height, 300);

  table.ReleasePicture(a);
  EXPECT_EQ(table.FindPicture(a), nullptr);
  ASSERT_NE(table.FindPicture(b), nullptr);
  EXPECT_EQ(table.FindPicture(b)->kind, PictureKind::Gif);

  // Releasing again, or values that name nothing, changes nothing.
  for (PictureHandle h : {a, PictureHandle{0}, kNoPicture, b + 1000}) table.ReleasePicture(h);
  EXPECT_EQ(table.LiveCount(), 1u);
  EXPECT_NE(table.FindPicture(b), nullptr);
  EXPECT_EQ(table.FindPicture(0), nullptr);
  EXPECT_EQ(table.FindPicture(kNoPicture), nullptr);

  // A new load never takes the handle of a live picture.
  PictureHandle c = table.LoadPicture(bytes);
  EXPECT_NE(c, b);
  EXPECT_EQ(table.LiveCount(), 2u);
}

TEST(PictureTableTest, ManyLoadsAndReleasesKeepHandlesDistinct) {
  const ByteBuffer bytes = SolidGif(2, 2, 0x010203);
  PictureTable table;
  std::vector<PictureHandle> live;
  for (int i = 0; i < 200; ++i) {
    live.push_back(table.LoadPicture(bytes));
    if (i % 3 == 0) {
      table.ReleasePicture(live.front());
      live.erase(live.begin());
    }
  }
  std::vector<PictureHandle> sorted = live;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
  EXPECT_EQ(table.LiveCount(), live.size());
  for (PictureHandle h : live) EXPECT_NE(table.FindPicture(h), nullptr);
}

TEST(PictureTableTest, BitmapsDecodeToBottomUpBlueGreenRed) {
  Image image(3, 2);
  image.Row(0)[0] = 0xFF0000;  // top row: red, green, blue
  image.Row(0)[1] = 0x00FF00;
  image.Row(0)[2] = 0x0000FF;
  image.Row(1)[0] = 0x123456;  // bottom row
  auto p = DecodePicture(EncodeBitmap(image, 0, 0));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->kind, PictureKind::Bitmap);
  EXPECT_EQ(p->width, 3);
  EXPECT_EQ(p->height, 2);
  const std::vector<std::uint8_t> expected = {0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                              0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00};
  EXPECT_EQ(p->bgr, expected);
}

}  // namespace
}  // namespace velmora
