#pragma once
// The pen colour, pen width and eraser size tables of the canvas menu.

#include <array>
#include <cstdint>
#include <string_view>

#include "common/color.h"

namespace velmora {

struct PenColourChoice {
  std::string_view text;  // GBK
  ColorRef colour;
};
struct SizeChoice {
  std::string_view text;
  std::int32_t value;
};

const std::array<PenColourChoice, 30>& PenColourChoices();
const std::array<SizeChoice, 7>& PenWidthChoices();
const std::array<SizeChoice, 7>& EraserSizeChoices();

}  // namespace velmora
