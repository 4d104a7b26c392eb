#include "app/tray_icon_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "assets/embedded_assets.h"

namespace velmora {
namespace {

struct EntrySpec {
  std::uint8_t width;
  std::uint8_t colourCount;
  std::int32_t headerHeight;  // as stored: twice the image's height
  std::uint16_t bitCount;
};

// An icon file whose entries point at images of a 40-byte bitmap header, as many (zero) bytes
// of palette, pixels and mask as the header calls for, and a marker byte, so a test can tell
// which image was chosen.
ByteBuffer MakeIconFile(const std::vector<EntrySpec>& entries, std::uint16_t type = 1) {
  ByteBuffer file;
  AppendU16(file, 0);
  AppendU16(file, type);
  AppendU16(file, static_cast<std::uint16_t>(entries.size()));
  auto imageLength = [](const EntrySpec& e) {
    const std::uint32_t rows = static_cast<std::uint32_t>(e.headerHeight) / 2;
    const std::uint32_t colourRow = ((e.bitCount * e.width + 31u) / 32u) * 4u;
    const std::uint32_t maskRow = ((e.width + 31u) / 32u) * 4u;
    const std::uint32_t palette = e.bitCount <= 8 ? (4u << e.bitCount) : 0u;
    return 40u + palette + rows * (colourRow + maskRow) + 1u;
  };
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (const auto& e : entries) {
    file.push_back(e.width);
    file.push_back(e.width);
    file.push_back(e.colourCount);
    file.push_back(0);
    AppendU16(file, 1);
    AppendU16(file, e.bitCount);
    AppendU32(file, imageLength(e));
    AppendU32(file, offset);
    offset += imageLength(e);
  }
  std::uint8_t marker = 0;
  for (const auto& e : entries) {
    AppendU32(file, 40);
    AppendU32(file, e.width);
    AppendU32(file, static_cast<std::uint32_t>(e.headerHeight));
    AppendU16(file, 1);
    AppendU16(file, e.bitCount);
    file.resize(file.size() + imageLength(e) - 17, 0);  // the rest of the header, then the image data
    file.push_back(marker++);
  }
  return file;
}

std::uint8_t MarkerOf(const TrayIconImage& chosen) { return chosen.image.back(); }

TEST(TrayIconChoice, EmbeddedTrayIconGivesItsSixteenPixelImageInTheFirstPass) {
  const ByteView file = assets::TrayIconFile();
  if (file.empty()) GTEST_SKIP() << "tray.ico is not embedded yet";
  const auto chosen = ChooseTrayIconImage(file, TrayIconPass::Small);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->width, 16);
  EXPECT_EQ(chosen->height, 16);
  EXPECT_EQ(chosen->bitCount, 32);
  EXPECT_EQ(chosen->image.data(), file.data() + 13958);
  EXPECT_EQ(chosen->image.size(), 1128u);
}

TEST(TrayIconChoice, PicksTheFirstEntryOfThePassWidthWithSixteenColoursOrMore) {
  struct Case {
    const char* name;
    std::vector<EntrySpec> entries;
    TrayIconPass pass;
    std::uint8_t marker;
  };
  const std::vector<Case> cases = {
      {"no colour counts: the last entry", {{48, 0, 96, 32}, {32, 0, 64, 32}, {16, 0, 32, 32}}, TrayIconPass::Small, 2},
      {"16 wide with 16 colours", {{32, 16, 64, 4}, {16, 16, 32, 4}, {48, 0, 96, 32}}, TrayIconPass::Small, 1},
      {"the first of two matches", {{16, 255, 32, 8}, {16, 16, 32, 4}}, TrayIconPass::Small, 0},
      {"15 colours do not count", {{16, 15, 32, 4}, {48, 0, 96, 32}}, TrayIconPass::Small, 1},
      {"second pass wants 32 wide", {{16, 16, 32, 4}, {32, 16, 64, 4}, {48, 0, 96, 32}}, TrayIconPass::Medium, 1},
      {"second pass without a match", {{16, 16, 32, 4}, {48, 16, 96, 4}}, TrayIconPass::Medium, 1},
  };
  for (const auto& c : cases) {
    const ByteBuffer file = MakeIconFile(c.entries);
    const auto chosen = ChooseTrayIconImage(file, c.pass);
    ASSERT_TRUE(chosen) << c.name;
    EXPECT_EQ(MarkerOf(*chosen), c.marker) << c.name;
    EXPECT_EQ(chosen->width, c.entries[c.marker].width) << c.name;
    EXPECT_EQ(chosen->height, c.entries[c.marker].headerHeight / 2) << c.name;
    EXPECT_EQ(chosen->bitCount, c.entries[c.marker].bitCount) << c.name;
  }
}

TEST(TrayIconChoice, SizeComesFromTheBitmapHeaderWithTheHeightHalvedDownwards) {
  const ByteBuffer file = MakeIconFile({{16, 0, 33, 32}});
  const auto chosen = ChooseTrayIconImage(file, TrayIconPass::Small);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->height, 16);
}

TEST(TrayIconChoice, CursorDirectoriesAreAccepted) {
  const ByteBuffer file = MakeIconFile({{32, 0, 64, 1}}, 2);
  EXPECT_TRUE(ChooseTrayIconImage(file, TrayIconPass::Small));
}

void PutU32(ByteBuffer& file, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(TrayIconChoice, RejectsBadDirectoriesEntriesAndImages) {
  const ByteBuffer good = MakeIconFile({{16, 0, 32, 32}});
  ASSERT_TRUE(ChooseTrayIconImage(good, TrayIconPass::Small));
  // Entry fields: image length at 6 + 8, image offset at 6 + 12; the header follows at 22.
  struct Case {
    const char* name;
    void (*spoil)(ByteBuffer&);
  };
  const Case cases[] = {
      {"reserved word not 0", [](ByteBuffer& f) { f[0] = 1; }},
      {"type 0", [](ByteBuffer& f) { f[2] = 0; }},
      {"type 3", [](ByteBuffer& f) { f[2] = 3; }},
      {"no entries", [](ByteBuffer& f) { f[4] = 0; }},
      {"more entries than the file holds", [](ByteBuffer& f) { f[4] = 200; }},
      {"directory cut short", [](ByteBuffer& f) { f.resize(20); }},
      {"only the directory", [](ByteBuffer& f) { f.resize(5); }},
      {"image offset past the end", [](ByteBuffer& f) { PutU32(f, 18, static_cast<std::uint32_t>(f.size()) + 1); }},
      {"image runs past the end", [](ByteBuffer& f) { PutU32(f, 14, 42); }},
      {"offset + length wraps around", [](ByteBuffer& f) { PutU32(f, 14, 0xFFFFFFF0u); }},
      {"offset near the top", [](ByteBuffer& f) { PutU32(f, 18, 0xFFFFFFFFu); }},
      {"image too short for a header", [](ByteBuffer& f) { PutU32(f, 14, 15); }},
      {"width 0", [](ByteBuffer& f) { PutU32(f, 26, 0); }},
      {"negative width", [](ByteBuffer& f) { PutU32(f, 26, 0x80000000u); }},
      {"height 1 halves to 0", [](ByteBuffer& f) { PutU32(f, 30, 1); }},
      {"negative height", [](ByteBuffer& f) { PutU32(f, 30, 0xFFFFFFE0u); }},
  };
  for (const auto& c : cases) {
    ByteBuffer file = good;
    c.spoil(file);
    EXPECT_FALSE(ChooseTrayIconImage(file, TrayIconPass::Small)) << c.name;
    EXPECT_FALSE(ChooseTrayIconImage(file, TrayIconPass::Medium)) << c.name;
  }
  EXPECT_FALSE(ChooseTrayIconImage(ByteView{}, TrayIconPass::Small));
}

}  // namespace
}  // namespace velmora
