#include "platform/win32/popup_menu.h"

#include <string>

#include "platform/win32/native_text.h"

namespace velmora::win32 {
namespace {

bool AppendChildren(HMENU menu, const MenuNode& parent) {
  for (const MenuNode& child : parent.children) {
    const std::wstring text = ToWide(WidenGbk(child.text));
    switch (child.kind) {
      case MenuNode::Kind::Separator:
        if (!::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr)) return false;
        break;
      case MenuNode::Kind::Popup: {
        UniqueMenu submenu = BuildPlatformMenu(child);
        if (!submenu) return false;
        const UINT flags = MF_POPUP | MF_STRING | (child.grayed ? MF_GRAYED : 0u);
        if (!::AppendMenuW(menu, flags, reinterpret_cast<UINT_PTR>(submenu.get()), text.c_str())) return false;
        submenu.release();  // the parent menu owns it now and destroys it with itself
        break;
      }
      case MenuNode::Kind::Item: {
        const UINT flags = MF_STRING | (child.grayed ? MF_GRAYED : 0u) | (child.checked ? MF_CHECKED : 0u);
        if (!::AppendMenuW(menu, flags, child.commandId, text.c_str())) return false;
        break;
      }
    }
  }
  return true;
}

}  // namespace

UniqueMenu BuildPlatformMenu(const MenuNode& root) {
  UniqueMenu menu{::CreatePopupMenu()};
  if (!menu || !AppendChildren(menu.get(), root)) return UniqueMenu{};
  return menu;
}

void ShowPopupMenu(HWND owner, const MenuNode& root, bool forTray) {
  UniqueMenu menu = BuildPlatformMenu(root);
  if (!menu) return;
  POINT pointer{};
  ::GetCursorPos(&pointer);
  if (forTray) ::SetForegroundWindow(owner);
  ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, pointer.x + 3, pointer.y + 3, 0, owner,
                   nullptr);
  if (forTray) ::PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace velmora::win32
