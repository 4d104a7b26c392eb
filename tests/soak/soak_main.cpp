// A long random run of the whole portable program through a fake desktop: pointer events,
// every menu command, identifiers that are no command, stamp choices, saves (some made to
// fail), clears and restarts, with the program's invariants checked after every event.
//
//   velmora_soak [events] [seed]      (200000 events and a fixed seed by default)
//
// Exits with 0 when every invariant held; otherwise prints the first faults and the event
// they appeared at, and exits with 1. Under AddressSanitizer a leak also fails the run.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "app/menu_list.h"
#include "app/program.h"
#include "canvas/bitmap_file.h"
#include "tests/soak/soak_desktop.h"

namespace velmora::soak {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kScreenWidth = 320;
constexpr std::int32_t kScreenHeight = 240;
constexpr int kFullCheckEvery = 97;     // events between comparisons of the whole canvas
constexpr std::size_t kFilesKept = 6;   // saved files kept on disk to test replacing them

ByteBuffer ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Soak {
 public:
  Soak(std::uint32_t seed, fs::path folder)
      : random_(seed), folder_(std::move(folder)), desktop_(kScreenWidth, kScreenHeight, folder_) {
    // A right-button release opens the canvas menu; like the platform, the fake answers a
    // chosen item later, as a command of its own.
    desktop_.onPopup = [this](const MenuNode& root) {
      std::vector<std::uint32_t> ids;
      CollectCommands(root, ids);
      if (!ids.empty() && Chance(60)) pendingCommands_.push_back(ids[Below(ids.size())]);
    };
    StartProgram();
  }

  bool Run(long events) {
    for (event_ = 0; event_ < events && faults_ < kMaxFaults; ++event_) Step();
    if (program_) {
      program_->HandleWindowDestroying();
      if (program_->pictures().LiveCount() != 0) Fault("a picture outlived the window");
    }
    return faults_ == 0;
  }

  long eventsRun() const { return event_; }
  long saves = 0, failedSaves = 0, restarts = 0, commands = 0, strangeIds = 0, stampsPrinted = 0;

 private:
  static constexpr int kMaxFaults = 10;

  bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(random_) < percent; }
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
  std::int32_t Between(std::int32_t lo, std::int32_t hi) {
    return std::uniform_int_distribution<std::int32_t>(lo, hi)(random_);
  }

  static void CollectCommands(const MenuNode& node, std::vector<std::uint32_t>& ids) {
    if (node.kind == MenuNode::Kind::Item) ids.push_back(node.commandId);
    for (const MenuNode& child : node.children) CollectCommands(child, ids);
  }

  void Fault(const std::string& what) {
    ++faults_;
    std::fprintf(stderr, "event %ld (%s): %s\n", event_, lastAction_.c_str(), what.c_str());
  }

  void StartProgram() {
    desktop_.StartEvent();
    program_ = std::make_unique<Program>(desktop_);
    program_->HandleWindowCreated();
    penDown_ = 0;
    lastX_ = lastY_ = 0;
    const auto snapshot = desktop_.screen;
    if (!(program_->canvas().Surface() == snapshot)) Fault("the canvas does not show the screen after start-up");
  }

  // A pointer position: mostly a short step from the last one inside the canvas, sometimes a
  // jump anywhere the 16-bit mouse fields can say.
  std::pair<std::int32_t, std::int32_t> Position() {
    if (Chance(5)) return {Between(0, 65535), Between(0, 65535)};
    if (Chance(15)) return {Between(0, kScreenWidth - 1), Between(0, kScreenHeight - 1)};
    const std::int32_t x = std::clamp(walkX_ + Between(-30, 30), 0, kScreenWidth + 40);
    const std::int32_t y = std::clamp(walkY_ + Between(-30, 30), 0, kScreenHeight + 40);
    return {x, y};
  }

  std::uint32_t StrangeId() {
    ++strangeIds;
    switch (Below(7)) {
      case 0: return 0;
      case 1: return kFirstMenuCommandId - 1;
      case 2: return kFirstMenuCommandId + kMenuItemCount;
      case 3: return kFirstMenuCommandId + kMenuItemCount + static_cast<std::uint32_t>(Below(100000));
      case 4: return 0xFFFFFFFFu;
      case 5: return static_cast<std::uint32_t>(random_());
      default: return static_cast<std::uint32_t>(Below(kFirstMenuCommandId));
    }
  }

  void Step() {
    desktop_.StartEvent();
    // Half the events happen within the same second as the one before, so saves reuse names.
    if (Chance(50)) Tick();
    desktop_.nextWrite = Chance(75)   ? SoakDesktop::WriteOutcome::Succeed
                         : Chance(50) ? SoakDesktop::WriteOutcome::FailBeforeWriting
                                      : SoakDesktop::WriteOutcome::FailHalfWay;
    const bool fullCheck = event_ % kFullCheckEvery == 0;
    std::optional<Image> before;
    if (fullCheck) before = program_->canvas().Surface();

    bool mayDraw = true;
    bool wasCommand = false;
    std::uint32_t commandId = 0;
    const int roll = static_cast<int>(Below(100));
    if (!pendingCommands_.empty()) {
      commandId = pendingCommands_.front();
      pendingCommands_.pop_front();
      wasCommand = true;
    } else if (roll < 40) {
      const auto [x, y] = Position();
      const bool held = penDown_ ? Chance(97) : Chance(10);
      lastAction_ = "move " + std::to_string(x) + "," + std::to_string(y) + (held ? " held" : "");
      program_->OnPointerMoved(x, y, held);
      if (!held) penDown_ = 0;
      mayDraw = penDown_ != 0;
      lastX_ = walkX_ = x;
      lastY_ = walkY_ = y;
    } else if (roll < 50) {
      const auto [x, y] = Position();
      lastAction_ = "press " + std::to_string(x) + "," + std::to_string(y);
      const bool stamping = program_->tools().mode == ToolMode::Stamp;
      program_->OnLeftPressed(x, y);
      if (stamping && !desktop_.presentedThisEvent.empty()) ++stampsPrinted;
      penDown_ = 1;
      lastX_ = walkX_ = x;
      lastY_ = walkY_ = y;
    } else if (roll < 60) {
      lastAction_ = "release";
      program_->OnLeftReleased();
      penDown_ = 0;
      mayDraw = false;
    } else if (roll < 64) {
      lastAction_ = "right release";
      program_->OnRightReleased();
      mayDraw = false;
    } else if (roll < 84) {
      commandId = kFirstMenuCommandId + static_cast<std::uint32_t>(Below(kMenuItemCount));
      wasCommand = true;
    } else if (roll < 88) {
      commandId = StrangeId();
      wasCommand = true;
    } else if (roll < 93) {
      const std::int32_t series = Between(-2, 5);
      lastAction_ = "stamp series " + std::to_string(series);
      program_->ChooseStamp(series);
      mayDraw = false;
    } else if (roll < 96) {
      static constexpr std::uint32_t kTrayMessages[] = {0x200, 0x201, 0x202, 0x203, 0x204, 0x205, 0x7B, 0x20A};
      const std::uint32_t message = Chance(80) ? kTrayMessages[Below(std::size(kTrayMessages))]
                                               : static_cast<std::uint32_t>(random_());
      lastAction_ = "tray message " + std::to_string(message);
      program_->OnTrayMessage(message);
      mayDraw = false;
    } else {
      const std::int32_t width = Between(-5, 60);
      lastAction_ = "pen width " + std::to_string(width);
      program_->ChoosePenWidth(width);
      mayDraw = false;
    }
    if (wasCommand) RunCommand(commandId, mayDraw);

    CheckAfterEvent(mayDraw, before);
    if (program_->TakeDestroyRequest()) Restart();
  }

  void Tick() {
    DateTime& t = desktop_.now;
    if (++t.second < 60) return;
    t.second = 0;
    if (++t.minute < 60) return;
    t.minute = 0;
    t.hour = (t.hour + 1) % 24;
  }

  void RunCommand(std::uint32_t id, bool& mayDraw) {
    ++commands;
    CommandRoute route = RouteCommand(id);
    // Exit ends the run and starts a new one; most are skipped so that drawings grow long.
    while (route.kind == CommandRoute::Kind::MenuItem && MenuList()[route.position].command == MenuCommand::Exit &&
           !Chance(10)) {
      id = kFirstMenuCommandId + static_cast<std::uint32_t>(Below(kMenuItemCount));
      route = RouteCommand(id);
    }
    const bool isSave = route.kind == CommandRoute::Kind::MenuItem &&
                        MenuList()[route.position].command == MenuCommand::SavePicture;
    const bool isClear = route.kind == CommandRoute::Kind::MenuItem &&
                         MenuList()[route.position].command == MenuCommand::ClearAll;
    mayDraw = isClear;
    lastAction_ = "command " + std::to_string(id);
    program_->OnCommand(id);
    if (isSave) CheckSave();
    if (isClear && !(program_->canvas().Surface() == desktop_.screen)) Fault("clear all left drawings behind");
    if (!isSave && desktop_.writesThisEvent != 0) Fault("a command other than save wrote a file");
  }

  void CheckSave() {
    ++saves;
    if (desktop_.writesThisEvent != 1) {
      Fault("a save wrote " + std::to_string(desktop_.writesThisEvent) + " files");
      return;
    }
    const fs::path path = desktop_.lastWritePath;
    const bool onDisk = fs::exists(path);
    fs::path aside = path;
    aside += ".partial";
    if (fs::exists(aside)) Fault("a save left a partial file behind");
    if (desktop_.lastWriteSucceeded) {
      const auto decoded = DecodeBitmap(ReadWholeFile(path));
      if (!decoded) {
        Fault("a saved file is no complete bitmap");
      } else if (!(*decoded == program_->canvas().Surface())) {
        Fault("a saved file differs from the canvas");
      }
      if (desktop_.boxes.size() != 1) Fault("a save that worked showed " + std::to_string(desktop_.boxes.size()) + " boxes");
      Remember(path, ReadWholeFile(path));
    } else {
      ++failedSaves;
      if (!desktop_.boxes.empty()) Fault("a save that failed showed a message");
      const auto known = onDiskFiles_.find(path);
      if (known == onDiskFiles_.end()) {
        if (onDisk) Fault("a save that failed left a file");
      } else if (ReadWholeFile(path) != known->second) {
        Fault("a save that failed changed the earlier picture of that name");
      }
    }
  }

  void Remember(const fs::path& path, ByteBuffer bytes) {
    if (onDiskFiles_.find(path) == onDiskFiles_.end()) order_.push_back(path);
    onDiskFiles_[path] = std::move(bytes);
    while (order_.size() > kFilesKept) {
      std::error_code ignored;
      fs::remove(order_.front(), ignored);
      onDiskFiles_.erase(order_.front());
      order_.pop_front();
    }
  }

  void CheckAfterEvent(bool mayDraw, const std::optional<Image>& before) {
    for (const std::string& f : desktop_.faults) Fault(f);
    desktop_.faults.clear();

    const Program& p = *program_;
    const Image& surface = p.canvas().Surface();
    if (surface.width != kScreenWidth || surface.height != kScreenHeight ||
        surface.pixels.size() != static_cast<std::size_t>(kScreenWidth) * kScreenHeight ||
        p.canvas().Width() != kScreenWidth || p.canvas().Height() != kScreenHeight) {
      Fault("the canvas changed its size");
    }
    if (p.pictures().LiveCount() > 1) Fault(std::to_string(p.pictures().LiveCount()) + " pictures are live");
    const ToolState& t = p.tools();
    if (t.penDown != penDown_) Fault("penDown is " + std::to_string(t.penDown) + ", not " + std::to_string(penDown_));
    if (t.lastX != lastX_ || t.lastY != lastY_) Fault("the last point moved without a press or a move");
    if (t.mode == ToolMode::Stamp && t.stampPicture != 0 && t.stampPicture != kNoPicture &&
        p.pictures().FindPicture(t.stampPicture) == nullptr) {
      Fault("the stamp names a picture that is not in the table");
    }
    if (!mayDraw && !desktop_.presentedThisEvent.empty()) Fault("an event that draws nothing presented a change");
    if (before) CheckChangesWerePresented(*before, surface);
  }

  // Every pixel that changed lies in a rectangle the program presented.
  void CheckChangesWerePresented(const Image& before, const Image& after) {
    if (before.width != after.width || before.height != after.height) return;  // reported already
    for (std::int32_t y = 0; y < after.height; ++y) {
      for (std::int32_t x = 0; x < after.width; ++x) {
        if (before.At(x, y) == after.At(x, y)) continue;
        bool shown = false;
        for (const Rect& r : desktop_.presentedThisEvent) {
          shown = shown || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
        }
        if (!shown) {
          Fault("pixel " + std::to_string(x) + "," + std::to_string(y) + " changed without being presented");
          return;
        }
      }
    }
  }

  void Restart() {
    ++restarts;
    lastAction_ = "exit and start again";
    program_->HandleWindowDestroying();
    if (program_->pictures().LiveCount() != 0) Fault("a picture outlived the window");
    if (desktop_.trayIconShown) Fault("the tray icon outlived the window");
    program_.reset();
    StartProgram();
  }

  std::mt19937 random_;
  fs::path folder_;
  SoakDesktop desktop_;
  std::unique_ptr<Program> program_;
  std::deque<std::uint32_t> pendingCommands_;
  std::map<fs::path, ByteBuffer> onDiskFiles_;
  std::deque<fs::path> order_;
  long event_ = 0;
  int faults_ = 0;
  std::string lastAction_ = "start";
  std::int32_t penDown_ = 0, lastX_ = 0, lastY_ = 0, walkX_ = 100, walkY_ = 100;
};

}  // namespace
}  // namespace velmora::soak

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const long events = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 200000;
  const std::uint32_t seed = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 20261211u;

  std::random_device entropy;
  const fs::path folder = fs::temp_directory_path() / ("velmora_soak_" + std::to_string(entropy()));
  fs::create_directories(folder);

  const auto start = std::chrono::steady_clock::now();
  bool ok = false;
  long run = 0, saves = 0, failed = 0, restarts = 0, commands = 0, strange = 0, stamps = 0;
  {
    velmora::soak::Soak soak(seed, folder);
    ok = soak.Run(events);
    run = soak.eventsRun();
    saves = soak.saves;
    failed = soak.failedSaves;
    restarts = soak.restarts;
    commands = soak.commands;
    strange = soak.strangeIds;
    stamps = soak.stampsPrinted;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::error_code ignored;
  fs::remove_all(folder, ignored);

  std::printf("velmora_soak: %ld events (seed %u) in %.1f s: %ld commands (%ld no command), %ld saves (%ld made to fail), "
              "%ld stamps printed, %ld restarts: %s\n",
              run, seed, seconds, commands, strange, saves, failed, stamps, restarts, ok ? "all invariants held" : "FAILED");
  return ok ? 0 : 1;
}
