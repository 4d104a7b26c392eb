#include <gtest/gtest.h>

#include "canvas/picture_table.h"
#include "tests/canvas/gif_test_pictures.h"

namespace velmora {
namespace {

using testing::CodeStream;
using testing::DistinctPalette;
using testing::GifBuilder;
using testing::PatternIndices;
using testing::SimpleGif;
using testing::TopLeftImage;

// The image's indices without the row padding.
std::vector<std::uint8_t> Unpadded(const Picture& p) {
  std::vector<std::uint8_t> out;
  for (int y = 0; y < p.imageHeight; ++y)
    out.insert(out.end(), p.indices.begin() + y * p.rowBytes, p.indices.begin() + y * p.rowBytes + p.imageWidth);
  return out;
}

TEST(GifDecoder, DecodesIndicesPaletteAndPaddedRows) {
  struct Case {
    int width, height, minCodeSize;
  };
  for (Case c : {Case{1, 1, 8}, Case{5, 3, 8}, Case{8, 8, 2}, Case{13, 7, 3}, Case{300, 300, 8}, Case{64, 9, 1},
                 Case{31, 40, 5}}) {
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " min " << c.minCodeSize);
    auto indices = PatternIndices(c.width, c.height, 1 << std::max(c.minCodeSize, 1));
    auto p = DecodeGif(SimpleGif(c.width, c.height, indices, DistinctPalette(), false, c.minCodeSize));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->kind, PictureKind::Gif);
    EXPECT_EQ(p->width, c.width);
    EXPECT_EQ(p->height, c.height);
    EXPECT_EQ(p->rowBytes, ((c.width - 1) | 3) + 1);
    EXPECT_EQ(p->indices.size(), static_cast<std::size_t>(p->rowBytes) * c.height);
    EXPECT_EQ(Unpadded(*p), indices);
    EXPECT_EQ(p->palette[1], DistinctPalette()[1]);
    EXPECT_EQ(p->palette[255], 0xFFFFFFu);
  }
}

TEST(GifDecoder, InterlacedImageEqualsItsNonInterlacedTwin) {
  for (int height : {1, 2, 3, 4, 5, 7, 8, 9, 12, 17, 33}) {
    SCOPED_TRACE(height);
    auto indices = PatternIndices(11, height, 256, static_cast<std::uint32_t>(height));
    auto plain = DecodeGif(SimpleGif(11, height, indices, DistinctPalette(), false));
    auto interlaced = DecodeGif(SimpleGif(11, height, indices, DistinctPalette(), true));
    ASSERT_TRUE(plain && interlaced);
    EXPECT_EQ(interlaced->indices, plain->indices);
    EXPECT_EQ(Unpadded(*plain), indices);
  }
}

TEST(GifDecoder, SeveralImagesGiveTheFirstOnly) {
  auto first = PatternIndices(6, 4, 256, 1), second = PatternIndices(6, 4, 256, 2);
  auto bytes = GifBuilder(6, 4, DistinctPalette())
                   .GraphicControl()
                   .Image(TopLeftImage(6, 4, first))
                   .GraphicControl()
                   .Image(TopLeftImage(6, 4, second))
                   .Trailer()
                   .bytes();
  auto p = DecodeGif(bytes);
  ASSERT_TRUE(p);
  EXPECT_EQ(Unpadded(*p), first);
}

TEST(GifDecoder, TransparentIndexKeepsItsPaletteColour) {
  for (std::uint32_t colour : {0xFFFFFFu, 0x000000u}) {
    auto bytes = GifBuilder(2, 1, {0x123456, colour}).GraphicControl(1).Image(TopLeftImage(2, 1, {1, 0}, false, 2)).Trailer().bytes();
    auto p = DecodeGif(bytes);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->palette[p->indices[0]], colour);
    EXPECT_EQ(p->palette[p->indices[1]], 0x123456u);
  }
}

TEST(GifDecoder, SkipsEveryExtensionKindAndAcceptsGif87a) {
  auto indices = PatternIndices(9, 9, 16);
  auto bytes = GifBuilder(9, 9, DistinctPalette(), "GIF87a")
                   .Application()
                   .Comment("made by a test")
                   .PlainText()
                   .GraphicControl(3, 10)
                   .Raw({0x00})  // a stray padding byte between blocks
                   .Image(TopLeftImage(9, 9, indices, false, 4))
                   .bytes();  // and no trailer
  auto p = DecodeGif(bytes);
  ASSERT_TRUE(p);
  EXPECT_EQ(Unpadded(*p), indices);
}

TEST(GifDecoder, LocalTableReplacesTheGlobalOneAndMissingEntriesAreBlack) {
  auto image = TopLeftImage(3, 1, {0, 1, 7}, false, 3);
  image.localTable = {0xAA0000, 0x00BB00};  // two entries: index 7 lies beyond them
  auto p = DecodeGif(GifBuilder(3, 1, DistinctPalette()).Image(image).Trailer().bytes());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->palette[0], 0xAA0000u);
  EXPECT_EQ(p->palette[1], 0x00BB00u);
  EXPECT_EQ(p->palette[7], 0u);
  EXPECT_EQ(p->palette[255], 0u);

  // Without any colour table every index is black.
  auto bare = DecodeGif(GifBuilder(3, 1, {}).Image(TopLeftImage(3, 1, {0, 1, 7}, false, 3)).Trailer().bytes());
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->palette[7], 0u);
}

TEST(GifDecoder, LongStreamsClearAndFullDictionariesKeepDecoding) {
  // Noise makes a new dictionary entry at nearly every code: 40 000 pixels pass 4096 many times.
  auto indices = PatternIndices(200, 200, 256, 99);
  for (auto& v : indices) v = static_cast<std::uint8_t>(v * 151 + (&v - indices.data()) % 13);
  for (bool clearWhenFull : {true, false}) {
    SCOPED_TRACE(clearWhenFull);
    auto image = TopLeftImage(200, 200, indices);
    auto bytes = GifBuilder(200, 200, DistinctPalette())
                     .Descriptor(image)
                     .Raw({8})
                     .Raw(testing::SubBlocks(testing::LzwEncode(indices, 8, clearWhenFull)))
                     .Trailer()
                     .bytes();
    auto p = DecodeGif(bytes);
    ASSERT_TRUE(p);
    EXPECT_EQ(Unpadded(*p), indices);
  }
}

TEST(GifDecoder, ImageSmallerOrLargerThanTheScreenKeepsItsOwnSize) {
  auto small = PatternIndices(3, 2, 256);
  auto p = DecodeGif(GifBuilder(10, 10, DistinctPalette()).Image(TopLeftImage(3, 2, small)).Trailer().bytes());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 10);
  EXPECT_EQ(p->imageWidth, 3);
  EXPECT_EQ(p->imageHeight, 2);
  EXPECT_EQ(Unpadded(*p), small);
}

TEST(GifDecoder, RejectsWhatIsNoGif) {
  ByteBuffer gif89b = {'G', 'I', 'F', '8', '9', 'b'};
  gif89b.resize(20, 0);
  ByteBuffer thirteen = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
  for (const ByteBuffer& bytes : {ByteBuffer{}, ByteBuffer{'G', 'I', 'F', '8', '9'}, gif89b, thirteen}) {
    EXPECT_FALSE(DecodeGif(bytes));
    EXPECT_FALSE(DecodePicture(bytes));
  }
}

// Every prefix of a good file either fails or already holds the whole picture.
TEST(GifDecoder, TruncationAtAnyLengthFailsOrGivesTheWholePicture) {
  auto indices = PatternIndices(17, 9, 256);
  auto bytes = SimpleGif(17, 9, indices, DistinctPalette(), true);
  auto whole = DecodeGif(bytes);
  ASSERT_TRUE(whole);
  int successes = 0;
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    auto p = DecodeGif(ByteView(bytes.data(), n));
    if (!p) continue;
    ++successes;
    EXPECT_EQ(p->indices, whole->indices) << n;
  }
  // The trailer, the terminator and the end code may go; the pixels may not.
  EXPECT_GE(successes, 1);
  EXPECT_LE(successes, 4);
}

// Streams that no encoder should write. Each must end cleanly; where the result is decided,
// the table says which.
enum class Outcome { Fails, Decodes, Either };

struct HostileCase {
  const char* name;
  ByteBuffer bytes;
  Outcome outcome;
};

ByteBuffer WithCodes(int w, int h, int minCodeSize, ByteBuffer codes, int screenW = -1, int screenH = -1) {
  return GifBuilder(static_cast<std::uint16_t>(screenW < 0 ? w : screenW), static_cast<std::uint16_t>(screenH < 0 ? h : screenH),
                    DistinctPalette())
      .ImageWithCodes(TopLeftImage(w, h, {}), static_cast<std::uint8_t>(minCodeSize), codes)
      .Trailer()
      .bytes();
}

std::vector<HostileCase> HostileCases() {
  std::vector<HostileCase> cases;
  const auto header = GifBuilder(4, 4, DistinctPalette()).bytes();
  auto withTail = [&](ByteBuffer tail) {
    ByteBuffer b = header;
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
  };

  cases.push_back({"codes before any clear", WithCodes(2, 1, 2, CodeStream(2).Emit(1).Emit(2).Emit(5).Finish()),
                   Outcome::Decodes});
  cases.push_back({"first code is the next free one",
                   WithCodes(2, 1, 2, CodeStream(2).Emit(4).Emit(6).Emit(5).Finish()), Outcome::Fails});
  cases.push_back({"code equal to next free without a previous string after clear",
                   WithCodes(2, 1, 2, CodeStream(2).Emit(4).Emit(1).Emit(4).Emit(6).Emit(5).Finish()),
                   Outcome::Fails});
  cases.push_back({"code above the next free one",
                   WithCodes(4, 1, 2, CodeStream(2).Emit(4).Emit(1).Emit(7).Emit(5).Finish()), Outcome::Fails});
  cases.push_back({"code equal to the next free one extends the previous string",
                   WithCodes(3, 1, 2, CodeStream(2).Emit(4).Emit(1).Emit(6).Emit(5).Finish()), Outcome::Decodes});
  {
    // 0, then every new code in turn: each one the string before it plus its first index,
    // lengths 2, 3, … up to thousands, far more than the small image holds.
    CodeStream s(8);
    s.Emit(256).Emit(0);
    while (s.next() < 4096) s.Emit(s.next());
    for (int i = 0; i < 50; ++i) s.Emit(4095);  // a full dictionary, no clear: 12-bit codes go on
    s.Emit(257);
    cases.push_back({"long prefix chains and a dictionary full without clear", WithCodes(16, 16, 8, s.Finish()),
                     Outcome::Decodes});
  }
  cases.push_back({"no code at all: zero-length first sub-block", withTail({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 8, 0, 0x3B}),
                   Outcome::Fails});
  cases.push_back({"zero-length sub-block cuts the stream short",
                   withTail({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 8, 1, 0x00, 0, 5, 1, 2, 3, 4, 5, 0, 0x3B}),
                   Outcome::Fails});
  cases.push_back({"sub-block longer than the data", withTail({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0, 8, 200, 1, 2}),
                   Outcome::Fails});
  cases.push_back({"descriptor past the end", withTail({0x2C, 0, 0, 0, 0, 4}), Outcome::Fails});
  cases.push_back({"no minimum code size", withTail({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0}), Outcome::Fails});
  cases.push_back({"local table past the end", withTail({0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0x87, 1, 2, 3}), Outcome::Fails});
  cases.push_back({"image larger than the screen",
                   WithCodes(40, 30, 8, testing::LzwEncode(PatternIndices(40, 30, 256), 8), 8, 8), Outcome::Decodes});
  cases.push_back({"image placed outside the screen",
                   GifBuilder(4, 4, DistinctPalette())
                       .Image([] {
                         auto i = TopLeftImage(4, 4, PatternIndices(4, 4, 256));
                         i.left = 60000;
                         i.top = 60000;
                         return i;
                       }())
                       .Trailer()
                       .bytes(),
                   Outcome::Decodes});
  cases.push_back({"zero image width", WithCodes(0, 4, 8, CodeStream(8).Emit(256).Emit(257).Finish()), Outcome::Fails});
  cases.push_back({"zero image height", WithCodes(4, 0, 8, CodeStream(8).Emit(256).Emit(257).Finish()), Outcome::Fails});
  cases.push_back({"zero screen", WithCodes(1, 1, 8, CodeStream(8).Emit(256).Emit(0).Emit(257).Finish(), 0, 0),
                   Outcome::Fails});
  cases.push_back({"65535 x 65535 image",
                   WithCodes(65535, 65535, 8, CodeStream(8).Emit(256).Emit(0).Emit(257).Finish(), 65535, 65535),
                   Outcome::Fails});
  cases.push_back({"65535 x 65535 screen, small image",
                   WithCodes(1, 1, 8, CodeStream(8).Emit(256).Emit(0).Emit(257).Finish(), 65535, 65535),
                   Outcome::Decodes});
  cases.push_back({"minimum code size 0", WithCodes(1, 1, 0, {0x00, 0x00}), Outcome::Fails});
  cases.push_back({"minimum code size 1", WithCodes(2, 2, 1, CodeStream(1).Emit(2).Emit(1).Emit(0).Emit(4).Emit(3).Finish()),
                   Outcome::Decodes});
  for (int size : {12, 13, 255})
    cases.push_back({"minimum code size 12 or more", WithCodes(1, 1, size, {0xFF, 0xFF, 0xFF, 0xFF}), Outcome::Fails});
  cases.push_back({"graphic control cut short", withTail({0x21, 0xF9, 4, 1, 0}), Outcome::Fails});
  cases.push_back({"comment without terminator", withTail({0x21, 0xFE, 5, 'a', 'b'}), Outcome::Fails});
  cases.push_back({"application header cut short", withTail({0x21, 0xFF, 11, 'N', 'E'}), Outcome::Fails});
  cases.push_back({"plain text header cut short", withTail({0x21, 0x01, 12, 0, 0}), Outcome::Fails});
  cases.push_back({"unknown extension label", withTail({0x21, 0x77, 0}), Outcome::Fails});
  cases.push_back({"unknown block introducer", withTail({0x99}), Outcome::Fails});
  cases.push_back({"trailer before any image", withTail({0x3B, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 8, 2, 0x00, 0x01, 0}),
                   Outcome::Fails});
  cases.push_back({"only padding after the header", withTail({0, 0, 0, 0}), Outcome::Fails});
  cases.push_back({"stream ends without end code before the image is full",
                   WithCodes(4, 4, 8, CodeStream(8).Emit(256).Emit(1).Emit(2).Finish()), Outcome::Fails});
  cases.push_back({"stream ends without end code once the image is full",
                   WithCodes(2, 1, 8, CodeStream(8).Emit(256).Emit(1).Emit(2).Finish()), Outcome::Decodes});
  {
    ByteBuffer noTableRoom = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0xF7, 0, 0, 1, 2, 3};
    cases.push_back({"global table past the end", noTableRoom, Outcome::Fails});
  }
  return cases;
}

TEST(GifDecoder, HostileStreamsEndCleanly) {
  for (const HostileCase& c : HostileCases()) {
    SCOPED_TRACE(c.name);
    auto p = DecodeGif(c.bytes);
    if (c.outcome == Outcome::Fails) {
      EXPECT_FALSE(p.has_value());
    } else if (c.outcome == Outcome::Decodes) {
      EXPECT_TRUE(p.has_value());
    }
    if (!p) continue;
    // What it gives can be drawn from without reading outside its buffers.
    EXPECT_GE(p->rowBytes, p->imageWidth);
    EXPECT_EQ(p->rowBytes % 4, 0);
    EXPECT_EQ(p->indices.size(), static_cast<std::size_t>(p->rowBytes) * static_cast<std::size_t>(p->imageHeight));
  }
}

TEST(GifDecoder, HandWrittenStreamsGiveTheExpectedIndices) {
  // clear, 1, 2 (defines 6 = "1 2"), then 7 = "2 2", the string being defined, end.
  auto p = DecodeGif(WithCodes(4, 1, 2, CodeStream(2).Emit(4).Emit(1).Emit(2).Emit(7).Emit(5).Finish()));
  ASSERT_TRUE(p);
  EXPECT_EQ(Unpadded(*p), (std::vector<std::uint8_t>{1, 2, 2, 2}));

  // The same without the leading clear.
  p = DecodeGif(WithCodes(4, 1, 2, CodeStream(2).Emit(1).Emit(2).Emit(7).Emit(5).Finish()));
  ASSERT_TRUE(p);
  EXPECT_EQ(Unpadded(*p), (std::vector<std::uint8_t>{1, 2, 2, 2}));
}

}  // namespace
}  // namespace velmora
