#include "platform/win32/win32_desktop.h"

#include "platform/win32/cursors.h"
#include "platform/win32/files.h"
#include "platform/win32/native_text.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/screen_pixels.h"

namespace velmora::win32 {
namespace {

void ReplaceCursor(UniqueCursor& slot, const std::optional<CursorImage>& cursor) {
  UniqueCursor made = cursor ? MakeCursor(*cursor) : UniqueCursor{};
  slot = std::move(made);  // the previous pointer is destroyed here
  RefreshPointerShape();
}

}  // namespace

void Win32Desktop::AttachWindows(HWND mainWindow, HWND canvasWindow) {
  mainWindow_ = mainWindow;
  canvasWindow_ = canvasWindow;
}

void Win32Desktop::ReleaseWindowResources() {
  tray_.Remove();
  windowCursor_.reset();
  canvasCursor_.reset();
  mainWindow_ = nullptr;
  canvasWindow_ = nullptr;
}

HCURSOR Win32Desktop::CanvasPointer() const {
  return canvasCursor_ ? canvasCursor_.get() : ::LoadCursorW(nullptr, IDC_ARROW);
}

HCURSOR Win32Desktop::WindowPointer() const {
  return windowCursor_ ? windowCursor_.get() : ::LoadCursorW(nullptr, IDC_ARROW);
}

std::int32_t Win32Desktop::ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }
std::int32_t Win32Desktop::ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

std::optional<Image> Win32Desktop::CaptureScreen(std::int32_t width, std::int32_t height) {
  return CaptureScreenPixels(width, height);
}

void Win32Desktop::MoveMainWindow(const Rect& r) {
  if (mainWindow_ && r != MainWindowRect()) ::MoveWindow(mainWindow_, r.left, r.top, r.Width(), r.Height(), TRUE);
}

Rect Win32Desktop::MainWindowRect() {
  RECT r{};
  if (!mainWindow_ || !::GetWindowRect(mainWindow_, &r)) return Rect{};
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Desktop::SetWindowCursor(const std::optional<CursorImage>& cursor) { ReplaceCursor(windowCursor_, cursor); }

void Win32Desktop::PostDestroyRequest() {
  if (mainWindow_) ::PostMessageW(mainWindow_, kDestroyRequestMessage, 0, 0);
}

void Win32Desktop::PlaceCanvas(const Rect& r) {
  if (canvasWindow_) ::MoveWindow(canvasWindow_, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void Win32Desktop::SetCanvasCursor(const std::optional<CursorImage>& cursor) { ReplaceCursor(canvasCursor_, cursor); }

void Win32Desktop::PresentCanvas(const Image& surface, const Rect& changed) {
  if (!canvasWindow_ || changed.Empty()) return;
  WindowDc dc(canvasWindow_);
  DrawImageArea(dc.get(), surface, changed);
}

void Win32Desktop::PopupMenu(const MenuNode& root, MenuOrigin origin) {
  if (mainWindow_) ShowPopupMenu(mainWindow_, root, origin == MenuOrigin::Tray);
}

std::int32_t Win32Desktop::MessageBox(const NativeText& text, std::uint32_t flags, const NativeText& title) {
  return ::MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), flags);
}

void Win32Desktop::SetTrayIcon(ByteView iconFile, std::string_view tooltip) {
  if (mainWindow_) tray_.Set(mainWindow_, iconFile, tooltip);
}

std::uint32_t Win32Desktop::TickCount() { return ::GetTickCount(); }

DateTime Win32Desktop::LocalTime() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);  // milliseconds are dropped, not rounded
  return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

NativeText Win32Desktop::ProgramDirectory() { return programDirectory_; }

NativeText Win32Desktop::FromGbk(std::string_view gbk) { return WidenGbk(gbk); }

bool Win32Desktop::WriteFileReplacing(const NativeText& path, ByteView bytes) {
  return win32::WriteFileReplacing(ToWide(path), bytes);
}

}  // namespace velmora::win32
