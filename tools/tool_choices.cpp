#include "tools/tool_choices.h"

#include "app/menu_list.h"

namespace velmora {

namespace {

// The colour table's texts are the canvas menu's; its values are the pen colours as ColorRef.
constexpr std::array<ColorRef, 30> kPenColours = {
    0x00000000, 0x00FFFFFF, 0x000000FF, 0x0000FFFF, 0x00FF0000, 0x0000FF00, 0x008050FF, 0x00FFA8FF,
    0x00C080FF, 0x00800080, 0x00FF0090, 0x00000080, 0x0000E080, 0x0080E000, 0x00008000, 0x00008080,
    0x0080A080, 0x00FF8800, 0x00C06000, 0x00808000, 0x00FFFF00, 0x00E03058, 0x000060C0, 0x0000D8D8,
    0x000080FF, 0x00FF8080, 0x00ECECEC, 0x00C0C0C0, 0x00808080, 0x00606060,
};

}  // namespace

const std::array<PenColourChoice, 30>& PenColourChoices() {
  static const std::array<PenColourChoice, 30> choices = [] {
    std::array<PenColourChoice, 30> out{};
    for (const MenuItem& item : MenuList()) {
      if (item.command == MenuCommand::PenColour) out[item.value - 1] = {item.text, kPenColours[item.value - 1]};
    }
    return out;
  }();
  return choices;
}

const std::array<SizeChoice, 7>& PenWidthChoices() {
  static const std::array<SizeChoice, 7> choices = {
      {{"P1", 1}, {"P2", 2}, {"P5", 5}, {"P10", 10}, {"P15", 15}, {"P25", 25}, {"P40", 40}}};
  return choices;
}

const std::array<SizeChoice, 7>& EraserSizeChoices() {
  static const std::array<SizeChoice, 7> choices = {
      {{"R1", 1}, {"R2", 2}, {"R5", 5}, {"R10", 10}, {"R15", 15}, {"R25", 25}, {"R50", 50}}};
  return choices;
}

}  // namespace velmora
