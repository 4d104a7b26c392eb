#pragma once
// Everything the portable program needs from the operating system, as plain data in and out.
// The Windows implementation lives in platform/win32; tests use a recording fake.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/menu_list.h"
#include "canvas/cursor_file.h"
#include "canvas/image.h"
#include "canvas/rect.h"
#include "common/bytes.h"
#include "save/time_stamp.h"

namespace velmora {

// Paths and the texts shown with them are UTF-16, so that a program folder whose name has
// characters outside GBK is still written to and shown correctly.
using NativeText = std::u16string;

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The primary screen.
  virtual std::int32_t ScreenWidth() = 0;
  virtual std::int32_t ScreenHeight() = 0;
  // The screen's pixels from (0, 0), width × height; nothing when the copy fails.
  virtual std::optional<Image> CaptureScreen(std::int32_t width, std::int32_t height) = 0;

  // The main window.
  virtual void MoveMainWindow(const Rect& screenRect) = 0;
  virtual Rect MainWindowRect() = 0;  // its outer rectangle, read back from the window
  virtual void SetWindowCursor(const std::optional<CursorImage>& cursor) = 0;
  virtual void PostDestroyRequest() = 0;

  // The canvas window.
  virtual void PlaceCanvas(const Rect& placement) = 0;
  virtual void SetCanvasCursor(const std::optional<CursorImage>& cursor) = 0;
  // Puts the changed rectangle of the canvas image on screen now.
  virtual void PresentCanvas(const Image& surface, const Rect& changed) = 0;

  // Shows the tree at the pointer + 3 and returns when the pop-up has closed; a chosen item
  // comes back later as a command identifier. The tray's menu must also close when the user
  // clicks elsewhere, which the platform arranges only for that one.
  enum class MenuOrigin { Canvas, Tray };
  virtual void PopupMenu(const MenuNode& root, MenuOrigin origin) = 0;
  // flags already carry MB_TASKMODAL where it belongs; the result is the system's answer.
  virtual std::int32_t MessageBox(const NativeText& text, std::uint32_t flags, const NativeText& title) = 0;
  // An empty file removes the icon; the tooltip is at most 62 GBK bytes.
  virtual void SetTrayIcon(ByteView iconFile, std::string_view tooltip) = 0;

  // Process, clock and files.
  virtual std::uint32_t TickCount() = 0;
  virtual DateTime LocalTime() = 0;
  virtual NativeText ProgramDirectory() = 0;
  virtual NativeText FromGbk(std::string_view gbk) = 0;
  // True only when every byte reached the disk under that name; an earlier file of that name
  // is replaced in one step, or left as it was on failure.
  virtual bool WriteFileReplacing(const NativeText& path, ByteView bytes) = 0;
};

}  // namespace velmora
