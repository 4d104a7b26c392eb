// Replays every input that once crashed a parser or broke one of its rules (the fuzz targets
// keep such inputs; they are filed under tests/regression/<parser>/), and the fuzz targets'
// seed corpora, on every platform the unit tests run on. Each must end cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/regression/gif_checks.h"
#include "tests/regression/parser_checks.h"
#include "tests/regression/icon_checks.h"

namespace velmora::hardening {
namespace {

namespace fs = std::filesystem;

ByteBuffer ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> InputsOf(const fs::path& folder) {
  std::vector<fs::path> inputs;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') inputs.push_back(entry.path());
  }
  return inputs;
}

const fs::path kSource(VELMORA_SOURCE_DIR);

using Check = std::string (*)(ByteView);

void Replay(const fs::path& folder, std::initializer_list<Check> checks) {
  const auto inputs = InputsOf(folder);
  if (inputs.empty()) GTEST_SKIP() << "no inputs in " << folder.string();
  for (const auto& input : inputs) {
    const ByteBuffer bytes = ReadWholeFile(input);
    for (const Check check : checks) EXPECT_EQ(check(bytes), "") << input.filename().string();
  }
}

const fs::path kRegression = kSource / "tests" / "regression";
const fs::path kCorpus = kSource / "tests" / "fuzz" / "corpus";

TEST(Regression, BitmapInputsEndCleanly) { Replay(kRegression / "bitmap", {CheckDecodeBitmap, CheckLoadAndDrawPicture}); }
TEST(Regression, CursorInputsEndCleanly) { Replay(kRegression / "cursor", {CheckCursorFile}); }
TEST(Regression, GifInputsEndCleanly) { Replay(kRegression / "gif", {CheckLoadAndDrawPicture}); }
TEST(Regression, IconInputsEndCleanly) { Replay(kRegression / "icon", {CheckTrayIconChoice}); }

TEST(FuzzSeeds, BitmapSeedsEndCleanly) { Replay(kCorpus / "decode_bitmap", {CheckDecodeBitmap, CheckLoadAndDrawPicture}); }
TEST(FuzzSeeds, CursorSeedsEndCleanly) { Replay(kCorpus / "cursor_file", {CheckCursorFile}); }
TEST(FuzzSeeds, GifSeedsEndCleanly) { Replay(kCorpus / "gif", {CheckLoadAndDrawPicture}); }
TEST(FuzzSeeds, IconSeedsEndCleanly) { Replay(kCorpus / "icon_choice", {CheckTrayIconChoice}); }

}  // namespace
}  // namespace velmora::hardening
