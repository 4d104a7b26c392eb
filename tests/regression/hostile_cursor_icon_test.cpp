// Cursor and icon files share one directory layout; both readers (the cursor checks before a
// pointer is made, and the tray icon's image choice) get the same lying directories and
// embedded headers. What one of them accepts must lie inside the file.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "tests/regression/parser_checks.h"
#include "tests/regression/icon_checks.h"

namespace velmora {
namespace {

constexpr std::size_t kEntry = 6;    // the first directory entry
constexpr std::size_t kImage = 22;   // its image, right after it
constexpr std::uint32_t kImageLength = 40 + 1024 + 32 * 32 + 32 * 4;  // header, palette, pixels, mask

// One 32 × 32 image of 8 bits per pixel, as a cursor (type 2) or an icon (type 1).
ByteBuffer DirectoryFile(std::uint16_t type) {
  ByteBuffer b;
  AppendU16(b, 0);
  AppendU16(b, type);
  AppendU16(b, 1);
  b.insert(b.end(), {32, 32, 0, 0});
  AppendU16(b, type == 2 ? 0 : 1);  // hot spot x, or planes
  AppendU16(b, type == 2 ? 0 : 8);  // hot spot y, or bits per pixel
  AppendU32(b, kImageLength);
  AppendU32(b, kImage);
  AppendU32(b, 40);
  AppendU32(b, 32);
  AppendU32(b, 64);
  AppendU16(b, 1);
  AppendU16(b, 8);
  b.resize(kImage + kImageLength, 0x5A);
  return b;
}

void Put16(ByteBuffer& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(ByteBuffer& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

enum class Expect { Refused, Accepted, Either };

struct Case {
  const char* what;
  std::function<void(ByteBuffer&)> spoil;
  Expect cursor;
  Expect icon;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"the sound file the cases start from", [](ByteBuffer&) {}, Expect::Accepted, Expect::Accepted},
      {"count 0", [](ByteBuffer& b) { Put16(b, 4, 0); }, Expect::Refused, Expect::Refused},
      // The cursor reads only its first entry, so a longer directory is no concern of it.
      {"count 65535: the directory is longer than the file", [](ByteBuffer& b) { Put16(b, 4, 0xFFFF); },
       Expect::Either, Expect::Refused},
      {"the file ends inside the first entry", [](ByteBuffer& b) { b.resize(kEntry + 9); }, Expect::Refused,
       Expect::Refused},
      {"only the directory header", [](ByteBuffer& b) { b.resize(6); }, Expect::Refused, Expect::Refused},
      {"image offset 0", [](ByteBuffer& b) { Put32(b, kEntry + 12, 0); Put32(b, kEntry + 8, 100); },
       Expect::Refused, Expect::Refused},
      {"image offset inside the directory", [](ByteBuffer& b) { Put32(b, kEntry + 12, 6); }, Expect::Refused,
       Expect::Refused},
      {"image offset at the end of the file",
       [](ByteBuffer& b) { Put32(b, kEntry + 12, static_cast<std::uint32_t>(b.size())); }, Expect::Refused,
       Expect::Refused},
      {"image offset beyond the file", [](ByteBuffer& b) { Put32(b, kEntry + 12, 1u << 20); }, Expect::Refused,
       Expect::Refused},
      {"image offset 2^32 - 1", [](ByteBuffer& b) { Put32(b, kEntry + 12, 0xFFFFFFFFu); }, Expect::Refused,
       Expect::Refused},
      {"image length one byte beyond the file", [](ByteBuffer& b) { Put32(b, kEntry + 8, kImageLength + 1); },
       Expect::Refused, Expect::Refused},
      {"image length 2^32 - 1", [](ByteBuffer& b) { Put32(b, kEntry + 8, 0xFFFFFFFFu); }, Expect::Refused,
       Expect::Refused},
      {"offset + length wraps 32 bits to a small number",
       [](ByteBuffer& b) { Put32(b, kEntry + 12, 0xFFFFFFF0u); Put32(b, kEntry + 8, 0x30); }, Expect::Refused,
       Expect::Refused},
      {"length + offset wraps the other way",
       [](ByteBuffer& b) { Put32(b, kEntry + 12, 0x30); Put32(b, kEntry + 8, 0xFFFFFFF0u); }, Expect::Refused,
       Expect::Refused},
      {"image length 0", [](ByteBuffer& b) { Put32(b, kEntry + 8, 0); }, Expect::Refused, Expect::Refused},
      {"image length shorter than its header", [](ByteBuffer& b) { Put32(b, kEntry + 8, 12); }, Expect::Refused,
       Expect::Refused},
      {"embedded height INT_MIN", [](ByteBuffer& b) { Put32(b, kImage + 8, 0x80000000u); }, Expect::Refused,
       Expect::Refused},
      {"embedded height -2", [](ByteBuffer& b) { Put32(b, kImage + 8, 0xFFFFFFFEu); }, Expect::Refused,
       Expect::Refused},
      {"embedded width INT_MIN", [](ByteBuffer& b) { Put32(b, kImage + 4, 0x80000000u); }, Expect::Refused,
       Expect::Refused},
      {"embedded width INT_MAX", [](ByteBuffer& b) { Put32(b, kImage + 4, 0x7FFFFFFFu); }, Expect::Refused,
       Expect::Refused},
      {"embedded height INT_MAX", [](ByteBuffer& b) { Put32(b, kImage + 8, 0x7FFFFFFFu); }, Expect::Refused,
       Expect::Refused},
      {"embedded header size 2^32 - 1", [](ByteBuffer& b) { Put32(b, kImage, 0xFFFFFFFFu); }, Expect::Refused,
       Expect::Refused},
      {"embedded bits per pixel 0", [](ByteBuffer& b) { Put16(b, kImage + 14, 0); }, Expect::Refused,
       Expect::Refused},
      {"image cut short by one byte", [](ByteBuffer& b) { b.pop_back(); }, Expect::Refused, Expect::Refused},
  };
  return cases;
}

void ExpectOutcome(Expect expect, bool accepted) {
  if (expect == Expect::Refused) {
    EXPECT_FALSE(accepted);
  } else if (expect == Expect::Accepted) {
    EXPECT_TRUE(accepted);
  }
}

TEST(HostileCursorFile, LyingDirectoriesAndHeadersAreRefused) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    ByteBuffer file = DirectoryFile(2);
    c.spoil(file);
    file.shrink_to_fit();  // so that a read past the end leaves the allocation
    EXPECT_EQ(hardening::CheckCursorFile(file), "");
    ExpectOutcome(c.cursor, ParseCursorFile(file).has_value());
  }
}

TEST(HostileIconFile, LyingDirectoriesAndHeadersAreRefused) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    ByteBuffer file = DirectoryFile(1);
    c.spoil(file);
    file.shrink_to_fit();
    EXPECT_EQ(hardening::CheckTrayIconChoice(file), "");
    for (const auto pass : {TrayIconPass::Small, TrayIconPass::Medium}) {
      ExpectOutcome(c.icon, ChooseTrayIconImage(file, pass).has_value());
    }
  }
}

// With several entries, only the chosen one is read; a lying entry elsewhere does no harm,
// and a lying chosen entry is not replaced by a sound one behind the reader's back.
TEST(HostileIconFile, OnlyTheChosenEntryIsTrusted) {
  ByteBuffer file = DirectoryFile(1);
  // Two entries: the first lies (offset far beyond the file), the second, the last one, is
  // the sound image; neither has 16 colours, so the last is chosen.
  ByteBuffer twoEntries(file.begin(), file.begin() + kImage);
  Put16(twoEntries, 4, 2);
  twoEntries.insert(twoEntries.end(), file.begin() + kEntry, file.begin() + kImage);
  Put32(twoEntries, kEntry + 12, 0xFFFFFF00u);
  Put32(twoEntries, kEntry + 16 + 12, kImage + 16);
  twoEntries.insert(twoEntries.end(), file.begin() + kImage, file.end());
  const auto chosen = ChooseTrayIconImage(twoEntries, TrayIconPass::Small);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->image.data(), twoEntries.data() + kImage + 16);

  // The same file with the lying entry marked as a 16-pixel, 16-colour match: it is chosen
  // and refused.
  twoEntries[kEntry] = 16;
  twoEntries[kEntry + 2] = 16;
  EXPECT_FALSE(ChooseTrayIconImage(twoEntries, TrayIconPass::Small));
  EXPECT_EQ(hardening::CheckTrayIconChoice(twoEntries), "");
}

}  // namespace
}  // namespace velmora
