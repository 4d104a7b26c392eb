#pragma once
// A recording Desktop for whole-program tests: a fixed screen picture, a clock that tests set,
// files kept in memory, and a log of what the program asked of the platform.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace velmora::testing {

class FakeDesktop : public Desktop {
 public:
  FakeDesktop(std::int32_t screenWidth = 64, std::int32_t screenHeight = 48);

  // What the fake screen shows: by default a gradient, so every pixel differs from white.
  Image screen;
  bool captureFails = false;
  std::uint32_t tickCount = 1000;
  DateTime now{2026, 12, 11, 9, 0, 0};
  NativeText programDirectory = u"C:\\Velmora";
  bool writeFails = false;
  // Called while a pop-up is "open": lets a test choose an item the way the platform would.
  std::function<void(const MenuNode&)> onPopup;

  // Recorded.
  Rect mainWindowRect{0, 0, 200, 200};
  Rect canvasPlacement{};
  std::optional<CursorImage> canvasCursor;
  std::optional<CursorImage> windowCursor;
  std::vector<Rect> presented;
  std::vector<MenuNode> popups;
  struct Box {
    NativeText text;
    std::uint32_t flags;
    NativeText title;
  };
  std::vector<Box> boxes;
  std::vector<std::string> trayTooltips;  // one per SetTrayIcon call; "" for a removal
  bool trayIconShown = false;
  int destroyRequests = 0;
  std::map<NativeText, ByteBuffer> files;
  std::vector<std::string> calls;  // names in call order

  std::int32_t ScreenWidth() override;
  std::int32_t ScreenHeight() override;
  std::optional<Image> CaptureScreen(std::int32_t width, std::int32_t height) override;
  void MoveMainWindow(const Rect& screenRect) override;
  Rect MainWindowRect() override;
  void SetWindowCursor(const std::optional<CursorImage>& cursor) override;
  void PostDestroyRequest() override;
  void PlaceCanvas(const Rect& placement) override;
  void SetCanvasCursor(const std::optional<CursorImage>& cursor) override;
  void PresentCanvas(const Image& surface, const Rect& changed) override;
  void PopupMenu(const MenuNode& root, MenuOrigin origin) override;
  std::int32_t MessageBox(const NativeText& text, std::uint32_t flags, const NativeText& title) override;
  void SetTrayIcon(ByteView iconFile, std::string_view tooltip) override;
  std::uint32_t TickCount() override;
  DateTime LocalTime() override;
  NativeText ProgramDirectory() override;
  NativeText FromGbk(std::string_view gbk) override;
  bool WriteFileReplacing(const NativeText& path, ByteView bytes) override;
};

// The fake's GBK conversion: ASCII stays, each double-byte character becomes one distinct code
// unit (0x8000 + its bytes), so tests can compare texts exactly without a code page table.
NativeText FakeWiden(std::string_view gbk);

}  // namespace velmora::testing
