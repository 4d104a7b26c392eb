#pragma once
// The recording fake desktop, with two changes for a long run: presentations are checked as
// they come instead of being kept, and saves go to real files in a folder of the soak's own,
// replaced in one step (write aside, then rename), with failures injected on request.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fakes/fake_desktop.h"

namespace velmora::soak {

class SoakDesktop : public testing::FakeDesktop {
 public:
  enum class WriteOutcome { Succeed, FailBeforeWriting, FailHalfWay };

  SoakDesktop(std::int32_t width, std::int32_t height, std::filesystem::path folder);

  // Set by the soak before each event.
  WriteOutcome nextWrite = WriteOutcome::Succeed;

  // What this event did.
  std::vector<Rect> presentedThisEvent;
  std::vector<std::string> faults;  // presentations outside the canvas and the like
  int writesThisEvent = 0;
  bool lastWriteSucceeded = false;
  std::filesystem::path lastWritePath;

  void StartEvent();
  // The real file a save path stands for: its name after the last backslash, with every
  // character outside plain ASCII letters and digits spelled out, inside the soak's folder.
  std::filesystem::path FileFor(const NativeText& path) const;

  void PresentCanvas(const Image& surface, const Rect& changed) override;
  bool WriteFileReplacing(const NativeText& path, ByteView bytes) override;

 private:
  std::filesystem::path folder_;
};

}  // namespace velmora::soak
