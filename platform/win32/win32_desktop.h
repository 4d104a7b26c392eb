#pragma once
// The Desktop the program runs on under Windows: the main window, its canvas child window,
// cursors, pop-up menus, message boxes, the tray icon, the clock and files.

#include "platform/desktop.h"
#include "platform/win32/handles.h"
#include "platform/win32/tray_icon.h"

namespace velmora::win32 {

class Win32Desktop final : public Desktop {
 public:
  explicit Win32Desktop(NativeText programDirectory) : programDirectory_(std::move(programDirectory)) {}

  // The windows the calls act on; set while the main window is being created.
  void AttachWindows(HWND mainWindow, HWND canvasWindow);
  // The main window's own teardown: the tray icon if still there, the cursors.
  void ReleaseWindowResources();
  void NotificationAreaRebuilt() { tray_.AddAgain(); }

  // The pointer to show over each window's client area.
  HCURSOR CanvasPointer() const;
  HCURSOR WindowPointer() const;

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

 private:
  NativeText programDirectory_;
  HWND mainWindow_ = nullptr;
  HWND canvasWindow_ = nullptr;
  UniqueCursor windowCursor_;
  UniqueCursor canvasCursor_;
  TrayIcon tray_;
};

constexpr UINT kDestroyRequestMessage = 0x8065;

}  // namespace velmora::win32
