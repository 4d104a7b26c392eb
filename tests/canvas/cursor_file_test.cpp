#include "canvas/cursor_file.h"

#include <gtest/gtest.h>

#include "assets/embedded_assets.h"

namespace velmora {
namespace {

// A 32 × 32 cursor file of 8 bits per pixel, as the window and eraser cursors are laid out.
ByteBuffer EightBitCursor(std::uint16_t hotX, std::uint16_t hotY) {
  ByteBuffer b;
  AppendU16(b, 0);
  AppendU16(b, 2);
  AppendU16(b, 1);
  b.insert(b.end(), {32, 32, 0, 0});
  AppendU16(b, hotX);
  AppendU16(b, hotY);
  AppendU32(b, 2216);
  AppendU32(b, 22);
  AppendU32(b, 40);
  AppendU32(b, 32);
  AppendU32(b, 64);
  AppendU16(b, 1);
  AppendU16(b, 8);
  b.resize(2238, 0);
  return b;
}

void Put32(ByteBuffer& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(CursorFile, TakesTheFirstImageWithItsHotSpot) {
  const ByteBuffer file = EightBitCursor(12, 3);
  const auto cursor = ParseCursorFile(file);
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->width, 32);
  EXPECT_EQ(cursor->height, 32);
  EXPECT_EQ(cursor->hotX, 12);
  EXPECT_EQ(cursor->hotY, 3);
  EXPECT_EQ(cursor->image.data(), file.data() + 22);
  EXPECT_EQ(cursor->image.size(), 2216u);
}

TEST(CursorFile, RefusesFilesThatFailAnyCheck) {
  struct Case { const char* what; ByteBuffer bytes; };
  std::vector<Case> cases;
  auto variant = [&](const char* what, auto change) {
    ByteBuffer b = EightBitCursor(0, 0);
    change(b);
    cases.push_back({what, b});
  };
  cases.push_back({"empty", {}});
  const ByteBuffer whole = EightBitCursor(0, 0);
  cases.push_back({"22 bytes", ByteBuffer(whole.begin(), whole.begin() + 22)});
  variant("reserved word not 0", [](ByteBuffer& b) { b[0] = 1; });
  variant("an icon, not a cursor", [](ByteBuffer& b) { b[2] = 1; });
  variant("count 0", [](ByteBuffer& b) { b[4] = 0; });
  variant("image longer than the file", [](ByteBuffer& b) { Put32(b, 14, 2217); });
  variant("image offset beyond the file", [](ByteBuffer& b) { Put32(b, 18, 5000); });
  variant("image offset inside the directory", [](ByteBuffer& b) { Put32(b, 18, 6); });
  variant("offset + length wraps around 32 bits", [](ByteBuffer& b) { Put32(b, 14, 0xFFFFFFF0u); Put32(b, 18, 0x20); });
  variant("embedded height INT_MIN", [](ByteBuffer& b) { Put32(b, 22 + 8, 0x80000000u); });
  variant("embedded width 0", [](ByteBuffer& b) { Put32(b, 22 + 4, 0); });
  variant("embedded header size past the image", [](ByteBuffer& b) { Put32(b, 22, 3000); });
  variant("embedded bits per pixel 7", [](ByteBuffer& b) { b[22 + 14] = 7; });
  variant("pixels larger than the image", [](ByteBuffer& b) { Put32(b, 22 + 4, 64); });
  for (const Case& c : cases) EXPECT_FALSE(ParseCursorFile(c.bytes)) << c.what;
}

TEST(CursorFile, EveryEmbeddedCursorIsAccepted) {
  for (const char* name : {"window.cur", "pen.cur", "eraser.cur", "stamp.cur"}) {
    const ByteView file = assets::File(name);
    if (file.empty()) GTEST_SKIP() << name << " is not embedded yet";
    EXPECT_TRUE(ParseCursorFile(file)) << name;
  }
}

}  // namespace
}  // namespace velmora
