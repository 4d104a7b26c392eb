#pragma once
// The program-wide record of the current tool and of the pointer.

#include <cstdint>

namespace velmora {

enum class ToolMode : std::int32_t { None = 0, Pen = 1, Stamp = 2, Eraser = 3 };

using PictureHandle = std::int32_t;
constexpr PictureHandle kNoPicture = -1;

struct ToolState {
  ToolMode mode = ToolMode::None;
  PictureHandle stampPicture = 0;  // 0 names no picture; −1 once a stamp was released
  std::int32_t eraserRadius = 0;
  std::int32_t penDown = 0;
  std::int32_t lastX = 0;
  std::int32_t lastY = 0;
};

}  // namespace velmora
