// libFuzzer target for the cursor-file checks. Besides the sanitizers' own checks, a broken rule of the
// parser checks (tests/regression) aborts the run, and the input is kept as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/regression/parser_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = velmora::hardening::CheckCursorFile(velmora::ByteView(data, size));
  if (!fault.empty()) {
    std::fprintf(stderr, "fuzz_cursor_file: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
