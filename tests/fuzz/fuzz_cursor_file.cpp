// ParseCursorFile on arbitrary bytes: what it accepts is handed to the platform, so the image it
// returns must lie inside the file and its header must describe no more bytes than it holds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "canvas/cursor_file.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_cursor_file: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const velmora::ByteView file(data, size);
  const auto cursor = velmora::ParseCursorFile(file);
  if (!cursor) return 0;
  const std::uint8_t* begin = cursor->image.data();
  if (cursor->image.empty() || begin < data || begin + cursor->image.size() > data + size) {
    Fail("the image is not inside the file");
  }
  // Reading every byte lets AddressSanitizer see a span that reaches past the buffer.
  unsigned sum = 0;
  for (const std::uint8_t b : cursor->image) sum += b;
  const auto headerSize = velmora::ReadU32(cursor->image, 0);
  if (!headerSize || *headerSize > cursor->image.size()) Fail("the image header is longer than the image");
  if (cursor->width <= 0 || cursor->height <= 0 || cursor->width > 256 || cursor->height > 256) {
    Fail("a cursor size outside 1..256");
  }
  if (cursor->hotX < 0 || cursor->hotX > 0xFFFF || cursor->hotY < 0 || cursor->hotY > 0xFFFF) {
    Fail("a hot spot outside the 16-bit fields");
  }
  return static_cast<int>(sum & 0);
}
