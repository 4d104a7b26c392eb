// The public bitmap suite: the plain files that the reader claims must decode to the right
// pixels; every other file, good, questionable or bad, decodes or is refused without harm.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas/bitmap_file.h"
#include "tests/regression/parser_checks.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path kSuite = fs::path(VELMORA_SOURCE_DIR) / ".." / "shared" / "corpora" / "bmpsuite";

ByteBuffer ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Sample {
  std::int32_t x, y;
  Pixel pixel;
};

struct GoodFile {
  const char* name;
  std::int32_t width, height;
  std::vector<Sample> samples;  // (x, y) from the top-left corner
};

// Sizes and pixels read from the files by a separate reader of the format; they match the
// suite's description of its picture (red at the top left, white in the middle, black at the
// bottom left).
const std::vector<GoodFile>& GoodFiles() {
  static const std::vector<GoodFile> files = {
      {"pal1.bmp", 127, 64, {{0, 0, 0xFFFFFF}, {63, 32, 0xFFFFFF}, {0, 63, 0x000000}, {126, 63, 0x000000}}},
      {"pal1wb.bmp", 127, 64, {{0, 0, 0xFFFFFF}, {63, 32, 0xFFFFFF}, {0, 63, 0x000000}, {126, 63, 0x000000}}},
      {"pal1bg.bmp", 127, 64, {{0, 0, 0x40FF40}, {126, 0, 0x40FF40}, {0, 63, 0x4040FF}, {126, 63, 0x4040FF}}},
      {"pal4.bmp", 127, 64, {{0, 0, 0xFF0000}, {126, 0, 0xFF80FF}, {63, 32, 0xFFFFFF}, {0, 63, 0x000000}}},
      {"pal4gs.bmp", 127, 64, {{0, 0, 0x8B8B8B}, {126, 0, 0xA2A2A2}, {126, 63, 0x5D5D5D}, {20, 10, 0xB9B9B9}}},
      {"pal8.bmp", 127, 64, {{0, 0, 0xFF0000}, {126, 0, 0x99AACC}, {126, 63, 0x665566}, {20, 10, 0xFFAACC}}},
      {"pal8-0.bmp", 127, 64, {{0, 0, 0xFF0000}, {126, 0, 0x99AACC}, {126, 63, 0x665566}, {20, 10, 0xFFAACC}}},
      {"pal8gs.bmp", 127, 64, {{0, 0, 0x808080}, {126, 0, 0xA2A2A2}, {126, 63, 0x636363}, {20, 10, 0xB1B1B1}}},
      {"pal8nonsquare.bmp", 127, 32, {{0, 0, 0xFF0000}, {126, 0, 0x99AACC}, {126, 31, 0x665566}, {20, 10, 0xCCAACC}}},
      {"pal8w124.bmp", 124, 61, {{0, 0, 0xFF0000}, {123, 0, 0x998099}, {0, 60, 0x330000}, {123, 60, 0x335566}}},
      {"pal8w125.bmp", 125, 62, {{0, 0, 0xFF0000}, {124, 0, 0xCCAACC}, {0, 61, 0x000000}, {124, 61, 0x665566}}},
      {"pal8w126.bmp", 126, 63, {{0, 0, 0xFF0000}, {125, 0, 0x998099}, {0, 62, 0x000000}, {125, 62, 0x335566}}},
      {"rgb24.bmp", 127, 64, {{0, 0, 0xFF0000}, {126, 0, 0x9F9FBD}, {126, 63, 0x60607E}, {20, 10, 0xD7A5A5}}},
      {"rgb24pal.bmp", 127, 64, {{0, 0, 0xFF0000}, {126, 0, 0x9F9FBD}, {126, 63, 0x60607E}, {20, 10, 0xD7A5A5}}},
      {"rgb32.bmp", 127, 64, {{0, 0, 0xFF0000}, {126, 0, 0x9F9FBD}, {126, 63, 0x60607E}, {20, 10, 0xD7A5A5}}},
  };
  return files;
}

TEST(BitmapSuite, PlainGoodFilesDecodeToTheirPixels) {
  for (const GoodFile& f : GoodFiles()) {
    SCOPED_TRACE(f.name);
    const ByteBuffer bytes = ReadWholeFile(kSuite / "g" / f.name);
    ASSERT_FALSE(bytes.empty()) << "missing from " << kSuite.string();
    const auto image = DecodeBitmap(bytes);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, f.width);
    ASSERT_EQ(image->height, f.height);
    for (const Sample& s : f.samples) EXPECT_EQ(image->At(s.x, s.y), s.pixel) << s.x << ", " << s.y;
  }
}

// The same picture stored three ways, and a two-colour picture with its palette in either
// order, must give identical pixels everywhere, not only at the samples.
TEST(BitmapSuite, OnePictureStoredDifferentlyDecodesAlike) {
  const auto decode = [](const char* name) { return DecodeBitmap(ReadWholeFile(kSuite / "g" / name)); };
  const auto rgb24 = decode("rgb24.bmp");
  ASSERT_TRUE(rgb24);
  EXPECT_EQ(decode("rgb32.bmp"), rgb24);
  EXPECT_EQ(decode("rgb24pal.bmp"), rgb24);
  const auto pal1 = decode("pal1.bmp");
  ASSERT_TRUE(pal1);
  EXPECT_EQ(decode("pal1wb.bmp"), pal1);
  EXPECT_EQ(decode("pal8-0.bmp"), decode("pal8.bmp"));
}

TEST(BitmapSuite, NoFileOfTheSuiteDoesHarm) {
  std::size_t seen = 0, decoded = 0;
  for (const char* folder : {"g", "q", "b"}) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kSuite / folder, error)) {
      const ByteBuffer bytes = ReadWholeFile(entry.path());
      SCOPED_TRACE(std::string(folder) + "/" + entry.path().filename().string());
      EXPECT_EQ(hardening::CheckDecodeBitmap(bytes), "");
      ++seen;
      if (DecodeBitmap(bytes)) ++decoded;
    }
  }
  EXPECT_GT(seen, 80u) << "the suite is not at " << kSuite.string();
  EXPECT_GE(decoded, GoodFiles().size());
  // The clearly broken files that must not pass as pictures.
  for (const char* name : {"badbitcount.bmp", "badpalettesize.bmp", "badrle.bmp",
                           "reallybig.bmp", "shortfile.bmp", "rgb16-880.bmp"}) {
    EXPECT_FALSE(DecodeBitmap(ReadWholeFile(kSuite / "b" / name))) << name;
  }
}

}  // namespace
}  // namespace velmora
