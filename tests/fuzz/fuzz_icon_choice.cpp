// ChooseTrayIconImage on arbitrary bytes, in both passes: the image it hands to the platform
// must lie inside the file and carry the size its own header gives.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/tray_icon_choice.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_icon_choice: %s\n", what);
  std::abort();
}

unsigned Check(const std::uint8_t* data, std::size_t size, const velmora::TrayIconImage& chosen) {
  const std::uint8_t* begin = chosen.image.data();
  if (chosen.image.empty() || begin < data || begin + chosen.image.size() > data + size) {
    Fail("the image is not inside the file");
  }
  if (chosen.width <= 0 || chosen.height <= 0) Fail("an image without pixels");
  const auto headerWidth = velmora::ReadI32(chosen.image, 4);
  const auto headerHeight = velmora::ReadI32(chosen.image, 8);
  if (!headerWidth || !headerHeight || *headerWidth != chosen.width || *headerHeight / 2 != chosen.height) {
    Fail("the size differs from the image's header");
  }
  // Reading every byte lets AddressSanitizer see a span that reaches past the buffer.
  unsigned sum = 0;
  for (const std::uint8_t b : chosen.image) sum += b;
  return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const velmora::ByteView file(data, size);
  unsigned sum = 0;
  for (const auto pass : {velmora::TrayIconPass::Small, velmora::TrayIconPass::Medium}) {
    if (const auto chosen = velmora::ChooseTrayIconImage(file, pass)) sum += Check(data, size, *chosen);
  }
  return static_cast<int>(sum & 0);
}
