#include "tests/soak/soak_desktop.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace velmora::soak {

namespace fs = std::filesystem;

SoakDesktop::SoakDesktop(std::int32_t width, std::int32_t height, fs::path folder)
    : FakeDesktop(width, height), folder_(std::move(folder)) {
  mainWindowRect = Rect{0, 0, width, height};
}

void SoakDesktop::StartEvent() {
  presentedThisEvent.clear();
  writesThisEvent = 0;
  lastWriteSucceeded = false;
  lastWritePath.clear();
  // The base class records every call; a long run keeps only what the current event did.
  calls.clear();
  popups.clear();
  boxes.clear();
  trayTooltips.clear();
}

fs::path SoakDesktop::FileFor(const NativeText& path) const {
  const auto cut = path.find_last_of(u'\\');
  const NativeText name = cut == NativeText::npos ? path : path.substr(cut + 1);
  std::string plain;
  for (const char16_t c : name) {
    if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'.') {
      plain.push_back(static_cast<char>(c));
    } else {
      char spelled[8];
      std::snprintf(spelled, sizeof spelled, "_%04X", static_cast<unsigned>(c));
      plain += spelled;
    }
  }
  return folder_ / plain;
}

void SoakDesktop::PresentCanvas(const Image& surface, const Rect& changed) {
  presentedThisEvent.push_back(changed);
  if (changed.Empty()) faults.push_back("an empty rectangle was presented");
  if (Intersect(changed, surface.Bounds()) != changed) faults.push_back("a rectangle outside the canvas was presented");
}

bool SoakDesktop::WriteFileReplacing(const NativeText& path, ByteView bytes) {
  ++writesThisEvent;
  const fs::path target = FileFor(path);
  lastWritePath = target;
  if (nextWrite == WriteOutcome::FailBeforeWriting) return false;

  // Written aside first, then renamed over the old file in one step; a failure half way
  // leaves the old file as it was and removes the part written.
  fs::path aside = target;
  aside += ".partial";
  {
    std::ofstream out(aside, std::ios::binary | std::ios::trunc);
    const std::size_t count = nextWrite == WriteOutcome::FailHalfWay ? bytes.size() / 2 : bytes.size();
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(count));
    if (!out || nextWrite == WriteOutcome::FailHalfWay) {
      out.close();
      std::error_code ignored;
      fs::remove(aside, ignored);
      return false;
    }
  }
  std::error_code error;
  fs::rename(aside, target, error);
  if (error) {
    fs::remove(aside, error);
    return false;
  }
  lastWriteSucceeded = true;
  return true;
}

}  // namespace velmora::soak
