#pragma once
// The window's menu list: the canvas menu (positions 0..67) and the tray menu (68..71) as one
// flat list with levels, the pop-up trees built from it, and the rule that turns a command
// identifier back into an item.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class MenuCommand {
  None,
  ClearAll,
  EraserSize,   // value: the eraser radius
  PenWidth,     // value: the pen width
  PenColour,    // value: the row of the colour table, 1..30
  StampSeries,  // value: 0 goats, 1 cars, 2 flowers, 3 fireworks
  SavePicture,
  HelpBox,
  AboutBox,
  Exit,
};

struct MenuItem {
  std::string_view text;  // GBK; "-" is a separator
  std::int32_t level;
  bool hidden;
  MenuCommand command;
  std::int32_t value;
};

constexpr std::int32_t kMenuItemCount = 72;
constexpr std::int32_t kCanvasMenuRoot = 0;
constexpr std::int32_t kTrayMenuRoot = 68;
constexpr std::uint32_t kFirstMenuCommandId = 20000;

const std::array<MenuItem, kMenuItemCount>& MenuList();

// One node of a pop-up: what the platform appends, in order.
struct MenuNode {
  enum class Kind { Popup, Separator, Item };
  Kind kind = Kind::Popup;
  std::string text;  // GBK
  std::uint32_t commandId = 0;  // items only
  bool grayed = false;
  bool checked = false;
  std::vector<MenuNode> children;  // popups only
};

// The pop-up tree below the item at rootPosition; the root itself is not shown.
MenuNode BuildPopupTree(std::int32_t rootPosition);

// What a WM_COMMAND identifier means.
struct CommandRoute {
  enum class Kind { Ignored, NotMenuCommand, MenuItem };
  Kind kind;
  std::int32_t position;  // MenuItem only
};
CommandRoute RouteCommand(std::uint32_t wparam);

}  // namespace velmora
