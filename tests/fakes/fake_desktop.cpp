#include "tests/fakes/fake_desktop.h"

namespace velmora::testing {

FakeDesktop::FakeDesktop(std::int32_t screenWidth, std::int32_t screenHeight) : screen(screenWidth, screenHeight) {
  for (std::int32_t y = 0; y < screen.height; ++y)
    for (std::int32_t x = 0; x < screen.width; ++x)
      screen.Row(y)[x] = PixelFromRgb(static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 5),
                                      static_cast<std::uint8_t>(40 + (x ^ y)));
}

std::int32_t FakeDesktop::ScreenWidth() { return screen.width; }
std::int32_t FakeDesktop::ScreenHeight() { return screen.height; }

std::optional<Image> FakeDesktop::CaptureScreen(std::int32_t width, std::int32_t height) {
  calls.push_back("CaptureScreen");
  if (captureFails || width != screen.width || height != screen.height) return std::nullopt;
  return screen;
}

void FakeDesktop::MoveMainWindow(const Rect& screenRect) {
  calls.push_back("MoveMainWindow");
  mainWindowRect = screenRect;
}
Rect FakeDesktop::MainWindowRect() { return mainWindowRect; }

void FakeDesktop::SetWindowCursor(const std::optional<CursorImage>& cursor) {
  calls.push_back("SetWindowCursor");
  windowCursor = cursor;
}

void FakeDesktop::PostDestroyRequest() {
  calls.push_back("PostDestroyRequest");
  ++destroyRequests;
}

void FakeDesktop::PlaceCanvas(const Rect& placement) {
  calls.push_back("PlaceCanvas");
  canvasPlacement = placement;
}

void FakeDesktop::SetCanvasCursor(const std::optional<CursorImage>& cursor) {
  calls.push_back("SetCanvasCursor");
  canvasCursor = cursor;
}

void FakeDesktop::PresentCanvas(const Image&, const Rect& changed) { presented.push_back(changed); }

void FakeDesktop::PopupMenu(const MenuNode& root, MenuOrigin origin) {
  calls.push_back(origin == MenuOrigin::Tray ? "PopupMenu(tray)" : "PopupMenu(canvas)");
  popups.push_back(root);
  if (onPopup) onPopup(root);
}

std::int32_t FakeDesktop::MessageBox(const NativeText& text, std::uint32_t flags, const NativeText& title) {
  calls.push_back("MessageBox");
  boxes.push_back({text, flags, title});
  return 1;  // IDOK
}

void FakeDesktop::SetTrayIcon(ByteView iconFile, std::string_view tooltip) {
  calls.push_back("SetTrayIcon");
  trayIconShown = !iconFile.empty();
  trayTooltips.emplace_back(tooltip);
}

std::uint32_t FakeDesktop::TickCount() {
  calls.push_back("TickCount");
  return tickCount;
}
DateTime FakeDesktop::LocalTime() { return now; }
NativeText FakeDesktop::ProgramDirectory() { return programDirectory; }
NativeText FakeDesktop::FromGbk(std::string_view gbk) { return FakeWiden(gbk); }

bool FakeDesktop::WriteFileReplacing(const NativeText& path, ByteView bytes) {
  calls.push_back("WriteFileReplacing");
  if (writeFails) return false;
  files[path] = ByteBuffer(bytes.begin(), bytes.end());
  return true;
}

NativeText FakeWiden(std::string_view gbk) {
  NativeText out;
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80 || i + 1 == gbk.size()) {
      out.push_back(static_cast<char16_t>(b));
    } else {
      const auto b2 = static_cast<unsigned char>(gbk[++i]);
      out.push_back(static_cast<char16_t>(0x8000 + (((b - 0x80) << 8) | b2)));
    }
  }
  return out;
}

}  // namespace velmora::testing
