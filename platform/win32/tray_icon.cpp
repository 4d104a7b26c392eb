#include "platform/win32/tray_icon.h"

#include <cwchar>

#include "app/tray_icon_choice.h"
#include "platform/win32/native_text.h"

namespace velmora::win32 {
namespace {

constexpr std::size_t kTooltipBytes = 62;  // what the tooltip field held in its GBK form
constexpr std::size_t kTooltipChars = 64;  // szTip of the first record version

UniqueIcon MakeIconFromImage(const TrayIconImage& chosen) {
  auto* bytes = const_cast<PBYTE>(chosen.image.data());
  const auto length = static_cast<DWORD>(chosen.image.size());
  HICON icon = ::CreateIconFromResourceEx(bytes, length, TRUE, 0x00030000, chosen.width, chosen.height, LR_DEFAULTCOLOR);
  if (!icon && chosen.bitCount != 16) icon = ::CreateIconFromResource(bytes, length, TRUE, 0x00030000);
  return UniqueIcon{icon};
}

}  // namespace

UniqueIcon MakeTrayIcon(ByteView iconFile) {
  for (TrayIconPass pass : {TrayIconPass::Small, TrayIconPass::Medium}) {
    if (auto chosen = ChooseTrayIconImage(iconFile, pass)) {
      if (UniqueIcon icon = MakeIconFromImage(*chosen)) return icon;
    }
  }
  return UniqueIcon{};
}

NOTIFYICONDATAW TrayIcon::Record(bool withIcon) const {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = window_;
  record.uID = kTrayIconId;
  if (withIcon) {
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayMessage;
    record.hIcon = icon_.get();
    const std::size_t n = tooltip_.size() < kTooltipChars - 1 ? tooltip_.size() : kTooltipChars - 1;
    std::wmemcpy(record.szTip, tooltip_.data(), n);
  }
  return record;
}

void TrayIcon::Set(HWND window, ByteView iconFile, std::string_view gbkTooltip) {
  UniqueIcon icon = iconFile.empty() ? UniqueIcon{} : MakeTrayIcon(iconFile);
  if (!icon) {
    Remove();
    return;
  }
  const bool replacing = static_cast<bool>(icon_) && window_ == window;
  if (icon_ && !replacing) Remove();
  window_ = window;
  tooltip_ = ToWide(WidenGbk(gbkTooltip.substr(0, kTooltipBytes)));
  UniqueIcon previous = std::move(icon_);
  icon_ = std::move(icon);
  NOTIFYICONDATAW record = Record(true);
  ::Shell_NotifyIconW(replacing ? NIM_MODIFY : NIM_ADD, &record);
  // The previous handle is destroyed here, once the shell shows the new one.
}

void TrayIcon::Remove() {
  if (!icon_) return;
  NOTIFYICONDATAW record = Record(false);
  ::Shell_NotifyIconW(NIM_DELETE, &record);
  icon_.reset();
  tooltip_.clear();
}

void TrayIcon::AddAgain() {
  if (!icon_) return;
  NOTIFYICONDATAW record = Record(true);
  ::Shell_NotifyIconW(NIM_ADD, &record);
}

}  // namespace velmora::win32
