#pragma once
// The notification-area icon of the main window: added, replaced in place and removed with
// identifier 100, and added again when the notification area is rebuilt.

#include <string>
#include <string_view>

#include "common/bytes.h"
#include "platform/win32/handles.h"

namespace velmora::win32 {

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayMessage = 0x8064;

// The icon made from an icon file: the 16-pixel pass first, the 32-pixel pass when it gives none.
UniqueIcon MakeTrayIcon(ByteView iconFile);

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { Remove(); }

  // An icon file that gives an icon adds or replaces it; otherwise the icon is removed.
  void Set(HWND window, ByteView iconFile, std::string_view gbkTooltip);
  void Remove();
  // After the notification area was rebuilt (the shell's TaskbarCreated message).
  void AddAgain();
  bool shown() const { return static_cast<bool>(icon_); }

 private:
  NOTIFYICONDATAW Record(bool withIcon) const;

  HWND window_ = nullptr;
  UniqueIcon icon_;
  std::wstring tooltip_;
};

}  // namespace velmora::win32
