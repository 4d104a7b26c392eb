// The 41 embedded stamp pictures: the GIF form of each, with its series' screen size and
// header values, decoded by a small LZW reader of the test's own and compared with the
// program's decoder.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "assets/embedded_assets.h"
#include "asset_file_reading.h"
#include "canvas/picture_table.h"

namespace velmora::asset_tests {
namespace {

struct StampCase {
  std::string name;
  int width, height;
  int colourResolution, background;
  bool transparencyFlag;
  int transparentIndex;
  std::optional<bool> transparentIsWhite;  // nothing when the colour does not matter
  int disposal, delay;
  std::size_t bytesAfterTrailer;
};

// The file name is enough to tell a case in test listings; the default prints raw bytes.
void PrintTo(const StampCase& c, std::ostream* os) { *os << c.name; }

std::vector<StampCase> AllStamps() {
  std::vector<StampCase> cases;
  auto series = [&](const char* prefix, int count, int w, int h) {
    for (int k = 1; k <= count; ++k) {
      char name[32];
      std::snprintf(name, sizeof name, "%s%02d.gif", prefix, k);
      cases.push_back({name, w, h, 8, 0, true, 216, true, 0, 0, 0});
    }
  };
  series("goat", 14, 256, 256);
  series("car", 15, 128, 128);
  series("firework", 7, 300, 300);
  cases.push_back({"flower01.gif", 100, 77, 1, 190, false, 255, std::nullopt, 1, 10, 0});
  cases.push_back({"flower02.gif", 125, 135, 1, 125, true, 255, false, 1, 10, 0});
  cases.push_back({"flower03.gif", 147, 90, 1, 0, false, 255, std::nullopt, 1, 10, 0});
  cases.push_back({"flower04.gif", 115, 115, 8, 255, true, 255, true, 0, 0, 2});
  cases.push_back({"flower05.gif", 150, 150, 1, 96, true, 255, false, 1, 10, 0});
  return cases;
}

constexpr std::size_t kPalette = 13;
constexpr std::size_t kExtension = kPalette + 768;
constexpr std::size_t kDescriptor = kExtension + 8;
constexpr std::size_t kCodeSize = kDescriptor + 10;

// The palette entry's colour as 0xRRGGBB.
std::uint32_t PaletteColour(ByteView gif, int index) {
  const std::size_t at = kPalette + 3 * static_cast<std::size_t>(index);
  return (static_cast<std::uint32_t>(U8(gif, at)) << 16) | (U8(gif, at + 1) << 8) | U8(gif, at + 2);
}

struct LzwResult {
  std::vector<std::uint8_t> indices;
  bool startsWithClear = false;
  bool endsWithEndCode = false;
  int largestTable = 0;   // the most codes the table ever held
  std::size_t trailerAt = 0;  // position just after the block terminator
  std::string error;
};

// A plain LZW reader for minimum code size 8, kept apart from the program's decoder on purpose.
LzwResult DecodeLzw(ByteView gif, std::size_t at, std::size_t pixelCount) {
  LzwResult r;
  std::vector<std::uint8_t> data;
  while (true) {
    if (at >= gif.size()) { r.error = "sub-blocks run past the end"; return r; }
    const std::size_t n = gif[at++];
    if (n == 0) break;
    if (gif.size() - at < n) { r.error = "sub-block runs past the end"; return r; }
    data.insert(data.end(), gif.begin() + at, gif.begin() + at + n);
    at += n;
  }
  r.trailerAt = at;
  std::vector<std::vector<std::uint8_t>> table;
  auto reset = [&] {
    table.clear();
    for (int i = 0; i < 256; ++i) table.push_back({static_cast<std::uint8_t>(i)});
    table.push_back({});
    table.push_back({});
  };
  reset();
  int size = 9;
  std::size_t bit = 0;
  int previous = -1;
  bool first = true;
  while (bit + size <= data.size() * 8) {
    int code = 0;
    for (int i = 0; i < size; ++i, ++bit) code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
    if (first) r.startsWithClear = code == 256;
    first = false;
    if (code == 256) {
      reset();
      size = 9;
      previous = -1;
      continue;
    }
    if (code == 257) {
      r.endsWithEndCode = true;
      break;
    }
    std::vector<std::uint8_t> entry;
    if (code < static_cast<int>(table.size())) {
      entry = table[code];
      if (previous >= 0) {
        std::vector<std::uint8_t> added = table[previous];
        added.push_back(entry[0]);
        table.push_back(added);
      }
    } else if (code == static_cast<int>(table.size()) && previous >= 0) {
      entry = table[previous];
      entry.push_back(entry[0]);
      table.push_back(entry);
    } else {
      r.error = "code " + std::to_string(code) + " not in the table";
      return r;
    }
    r.largestTable = std::max(r.largestTable, static_cast<int>(table.size()));
    if (table.size() > 4096) { r.error = "table overflow"; return r; }
    if (static_cast<int>(table.size()) == (1 << size) && size < 12) ++size;
    r.indices.insert(r.indices.end(), entry.begin(), entry.end());
    if (r.indices.size() > pixelCount) { r.error = "more pixels than the image has"; return r; }
    previous = code;
  }
  return r;
}

class StampGif : public ::testing::TestWithParam<StampCase> {};

TEST_P(StampGif, HasTheStampForm) {
  const StampCase& c = GetParam();
  const ByteView gif = assets::File(c.name);
  ASSERT_GT(gif.size(), kCodeSize + 1) << c.name << " is not embedded";

  EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");
  EXPECT_EQ(U16(gif, 6), static_cast<std::uint32_t>(c.width));
  EXPECT_EQ(U16(gif, 8), static_cast<std::uint32_t>(c.height));
  const std::uint8_t screen = U8(gif, 10);
  EXPECT_EQ(screen & 0x80, 0x80);  // global colour table
  EXPECT_EQ(screen & 0x07, 7);     // of 256 entries
  EXPECT_EQ(((screen >> 4) & 7) + 1, c.colourResolution);
  EXPECT_EQ(U8(gif, 11), c.background);
  EXPECT_EQ(PaletteColour(gif, c.background), 0xFFFFFFu) << "background colour";

  // Graphic control extension.
  EXPECT_EQ(U8(gif, kExtension), 0x21);
  EXPECT_EQ(U8(gif, kExtension + 1), 0xF9);
  EXPECT_EQ(U8(gif, kExtension + 2), 4);
  const std::uint8_t control = U8(gif, kExtension + 3);
  EXPECT_EQ((control >> 2) & 7, c.disposal);
  EXPECT_EQ((control & 1) != 0, c.transparencyFlag);
  EXPECT_EQ(U16(gif, kExtension + 4), static_cast<std::uint32_t>(c.delay));
  EXPECT_EQ(U8(gif, kExtension + 6), c.transparentIndex);
  EXPECT_EQ(U8(gif, kExtension + 7), 0);
  if (c.transparentIsWhite.has_value()) {
    EXPECT_EQ(PaletteColour(gif, c.transparentIndex), *c.transparentIsWhite ? 0xFFFFFFu : 0u) << "transparent colour";
  }

  // One image over the whole screen from (0, 0), no local table, not interlaced.
  EXPECT_EQ(U8(gif, kDescriptor), 0x2C);
  EXPECT_EQ(U16(gif, kDescriptor + 1), 0u);
  EXPECT_EQ(U16(gif, kDescriptor + 3), 0u);
  EXPECT_EQ(U16(gif, kDescriptor + 5), static_cast<std::uint32_t>(c.width));
  EXPECT_EQ(U16(gif, kDescriptor + 7), static_cast<std::uint32_t>(c.height));
  EXPECT_EQ(U8(gif, kDescriptor + 9), 0);
  EXPECT_EQ(U8(gif, kCodeSize), 8);

  const std::size_t pixels = static_cast<std::size_t>(c.width) * c.height;
  const LzwResult lzw = DecodeLzw(gif, kCodeSize + 1, pixels);
  ASSERT_EQ(lzw.error, "") << c.name;
  EXPECT_TRUE(lzw.startsWithClear);
  EXPECT_TRUE(lzw.endsWithEndCode);
  EXPECT_LT(lzw.largestTable, 4096) << "the table filled up before a clear";
  ASSERT_EQ(lzw.indices.size(), pixels);
  // The trailer, and nothing after it but flower 4's two extra bytes.
  EXPECT_EQ(U8(gif, lzw.trailerAt), 0x3B);
  EXPECT_EQ(gif.size(), lzw.trailerAt + 1 + c.bytesAfterTrailer);

  // White corners; the unused black transparent entry is never used by a pixel.
  const std::size_t corners[] = {0, static_cast<std::size_t>(c.width - 1), pixels - c.width, pixels - 1};
  for (std::size_t at : corners) EXPECT_EQ(PaletteColour(gif, lzw.indices[at]), 0xFFFFFFu) << "corner " << at;
  if (c.transparentIsWhite == false) {
    for (std::uint8_t index : lzw.indices) ASSERT_NE(index, c.transparentIndex);
  }
  // The figure is there: a good share of the pixels is not white.
  std::size_t coloured = 0;
  for (std::uint8_t index : lzw.indices) coloured += PaletteColour(gif, index) != 0xFFFFFFu;
  EXPECT_GT(coloured, pixels / 10);

  // No pale fringe round the see-through white: a near-white pixel next to white would print as
  // a light halo round the figure (as antialiasing against white leaves).
  auto nearWhite = [](std::uint32_t c) {
    return c != 0xFFFFFFu && (c >> 16) >= 235 && ((c >> 8) & 0xFF) >= 235 && (c & 0xFF) >= 235;
  };
  int fringe = 0;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      if (!nearWhite(PaletteColour(gif, lzw.indices[static_cast<std::size_t>(y) * c.width + x]))) continue;
      const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
      for (int i = 0; i < 4; ++i) {
        if (nx[i] < 0 || ny[i] < 0 || nx[i] >= c.width || ny[i] >= c.height) continue;
        if (PaletteColour(gif, lzw.indices[static_cast<std::size_t>(ny[i]) * c.width + nx[i]]) == 0xFFFFFFu) {
          ++fringe;
          break;
        }
      }
    }
  }
  EXPECT_EQ(fringe, 0) << "near-white pixels touching white";

  // The program's decoder reads the same picture.
  const std::optional<Picture> decoded = DecodeGif(gif);
  ASSERT_TRUE(decoded.has_value());
  ASSERT_EQ(decoded->imageWidth, c.width);
  ASSERT_EQ(decoded->imageHeight, c.height);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * decoded->rowBytes + x;
      ASSERT_LT(at, decoded->indices.size());
      ASSERT_EQ(decoded->indices[at], lzw.indices[static_cast<std::size_t>(y) * c.width + x]) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(All, StampGif, ::testing::ValuesIn(AllStamps()), [](const auto& info) {
  return info.param.name.substr(0, info.param.name.find('.'));
});

TEST(StampGifs, DecodedPicturesOfASeriesDiffer) {
  // Every picture of a series is a picture of its own: no two files decode alike.
  const std::vector<StampCase> cases = AllStamps();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (std::size_t j = i + 1; j < cases.size(); ++j) {
      if (cases[i].width != cases[j].width || cases[i].height != cases[j].height) continue;
      const auto a = DecodeGif(assets::File(cases[i].name));
      const auto b = DecodeGif(assets::File(cases[j].name));
      ASSERT_TRUE(a && b);
      EXPECT_NE(a->indices, b->indices) << cases[i].name << " and " << cases[j].name;
    }
  }
}

}  // namespace
}  // namespace velmora::asset_tests
