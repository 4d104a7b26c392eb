// Replays every input that once crashed a parser or broke one of its rules (the fuzz targets
// keep such inputs; they are filed under tests/regression/<parser>/). Each must now end cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/regression/parser_checks.h"
#if __has_include("app/tray_icon_choice.h")
#include "tests/regression/icon_checks.h"
#define VELMORA_HAVE_ICON_CHOICE 1
#endif

namespace velmora::hardening {
namespace {

namespace fs = std::filesystem;

ByteBuffer ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> InputsOf(const char* parser) {
  std::vector<fs::path> inputs;
  const fs::path folder = fs::path(VELMORA_SOURCE_DIR) / "tests" / "regression" / parser;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') inputs.push_back(entry.path());
  }
  return inputs;
}

void Replay(const char* parser, std::string (*check)(ByteView)) {
  const auto inputs = InputsOf(parser);
  if (inputs.empty()) GTEST_SKIP() << "no inputs filed for " << parser;
  for (const auto& input : inputs) {
    const ByteBuffer bytes = ReadWholeFile(input);
    EXPECT_EQ(check(bytes), "") << input.filename().string();
  }
}

TEST(Regression, BitmapInputsEndCleanly) { Replay("bitmap", CheckDecodeBitmap); }
TEST(Regression, CursorInputsEndCleanly) { Replay("cursor", CheckCursorFile); }
#ifdef VELMORA_HAVE_ICON_CHOICE
TEST(Regression, IconInputsEndCleanly) { Replay("icon", CheckTrayIconChoice); }
#endif

}  // namespace
}  // namespace velmora::hardening
