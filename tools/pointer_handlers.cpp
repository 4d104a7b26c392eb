#include "tools/pointer_handlers.h"

namespace velmora {

void HandleLeftPress(ToolState& state, PointerTarget& target, std::int32_t x, std::int32_t y) {
  state.lastX = x;
  state.lastY = y;
  state.penDown = 1;
  switch (state.mode) {
    case ToolMode::Stamp: target.PlaceStamp(x, y); break;
    case ToolMode::Eraser: EraseSquare(state, target, x, y); break;
    default: break;  // the pen draws nothing on a press alone
  }
}

void HandlePointerMove(ToolState& state, PointerTarget& target, std::int32_t x, std::int32_t y, bool leftButtonHeld) {
  // The release may have happened over a menu or outside the canvas, where the canvas never
  // saw it; a move that reports the button up ends the stroke before anything is drawn.
  if (!leftButtonHeld) state.penDown = 0;
  if (state.penDown != 0) {
    switch (state.mode) {
      case ToolMode::Pen: target.DrawLine(state.lastX, state.lastY, x, y); break;
      case ToolMode::Eraser: EraseSquare(state, target, x, y); break;
      default: break;  // a drag never prints further stamps
    }
  }
  state.lastX = x;
  state.lastY = y;
}

void HandleLeftRelease(ToolState& state) { state.penDown = 0; }

void HandleRightRelease(ToolState&, PointerTarget& target) { target.OpenCanvasMenu(); }

void EraseSquare(const ToolState& state, PointerTarget& target, std::int32_t x, std::int32_t y) {
  const std::int32_t r = state.eraserRadius;
  target.ClearArea(x - r, y - r, 2 * r, 2 * r);
}

}  // namespace velmora
