// DecodeBitmap on arbitrary bytes. Besides the sanitizers' checks, a picture that decodes must
// be consistent, and writing it out and reading it back must give the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "canvas/bitmap_file.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_decode_bitmap: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const velmora::ByteView bytes(data, size);
  const auto image = velmora::DecodeBitmap(bytes);
  if (!image) return 0;
  if (image->width <= 0 || image->height <= 0) Fail("a decoded picture without pixels");
  if (image->pixels.size() != static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height)) {
    Fail("pixel count differs from width x height");
  }
  for (const velmora::Pixel p : image->pixels) {
    if (p > 0x00FFFFFF) Fail("a pixel with bits above the colour");
  }
  // Only small pictures are written back, so that each run stays fast.
  if (image->pixels.size() <= 1u << 16) {
    const velmora::ByteBuffer written = velmora::EncodeBitmap(*image, 0, 0);
    const auto again = velmora::DecodeBitmap(written);
    if (!again || !(*again == *image)) Fail("writing and reading back changed the picture");
  }
  return 0;
}
