// libFuzzer target for picture loading (GIF, and bitmaps through the same table) and drawing:
// load, draw at positions inside, across and far outside a small image, release. Besides the
// sanitizers' own checks, a broken rule of the parser checks (tests/regression) aborts the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/regression/gif_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = velmora::hardening::CheckLoadAndDrawPicture(velmora::ByteView(data, size));
  if (!fault.empty()) {
    std::fprintf(stderr, "fuzz_gif: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
