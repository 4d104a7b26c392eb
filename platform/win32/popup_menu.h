#pragma once
// Pop-up menus built afresh from a menu tree each time they are shown.

#include "app/menu_list.h"
#include "platform/win32/handles.h"

namespace velmora::win32 {

// The platform menu for the tree's children; a null menu when it cannot be built.
UniqueMenu BuildPlatformMenu(const MenuNode& root);

// Shows the tree with its top-left corner at the pointer + 3 and returns when it has closed;
// a chosen item reaches `owner` as WM_COMMAND. A tray menu brings `owner` to the foreground
// first, so that clicking anywhere else closes it.
void ShowPopupMenu(HWND owner, const MenuNode& root, bool forTray);

}  // namespace velmora::win32
