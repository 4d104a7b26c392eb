#pragma once
// What the four canvas pointer events do with the tool state.

#include <cstdint>

#include "tools/tool_state.h"

namespace velmora {

// The operations the handlers draw and pop up menus with; the application provides them.
class PointerTarget {
 public:
  virtual ~PointerTarget() = default;
  virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
  virtual void ClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) = 0;
  virtual void PlaceStamp(std::int32_t x, std::int32_t y) = 0;
  virtual void OpenCanvasMenu() = 0;
};

void HandleLeftPress(ToolState& state, PointerTarget& target, std::int32_t x, std::int32_t y);
// leftButtonHeld comes from the platform's mouse message: a move without it lifts a pen whose
// release happened where the canvas could not see it, before anything is drawn.
void HandlePointerMove(ToolState& state, PointerTarget& target, std::int32_t x, std::int32_t y,
                       bool leftButtonHeld);
void HandleLeftRelease(ToolState& state);
void HandleRightRelease(ToolState& state, PointerTarget& target);

void EraseSquare(const ToolState& state, PointerTarget& target, std::int32_t x, std::int32_t y);

}  // namespace velmora
