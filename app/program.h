#pragma once
// The portable program: the creation sequence, pointer events, menu commands, tray events and
// the destruction, over the program-wide records. The platform layer calls in here and is
// called back through Desktop.

#include <cstdint>
#include <string_view>

#include "canvas/canvas.h"
#include "canvas/picture_table.h"
#include "platform/desktop.h"
#include "stamps/random_source.h"
#include "tools/pointer_handlers.h"
#include "tools/tool_state.h"

namespace velmora {

class Program : private PointerTarget {
 public:
  explicit Program(Desktop& desktop) : desktop_(desktop) {}

  void HandleWindowCreated();
  void HandleWindowDestroying();

  // Canvas pointer events, positions in canvas pixels.
  void OnLeftPressed(std::int32_t x, std::int32_t y);
  void OnPointerMoved(std::int32_t x, std::int32_t y, bool leftButtonHeld);
  void OnLeftReleased();
  void OnRightReleased();

  // WM_COMMAND: false when the identifier is no menu command and default handling applies.
  bool OnCommand(std::uint32_t wparam);
  // The tray callback message's second parameter (the mouse message).
  void OnTrayMessage(std::uint32_t mouseMessage);

  void ExitProgram();
  // The destroy request taken from the queue: true when the window is to be destroyed now.
  bool TakeDestroyRequest();

  // Menu commands, also reachable directly.
  void ChoosePenColour(ColorRef colour);
  void ChoosePenWidth(std::int32_t width);
  void ChooseEraserSize(std::int32_t radius);
  void ChooseStamp(std::int32_t series);
  void ClearAll();
  void SavePicture();
  void ShowHelpBox();
  void ShowAboutBox();

  std::int32_t ShowMessageBox(std::string_view gbkText, std::uint32_t style, std::string_view gbkTitle);
  void SetMousePointer(ByteView cursorFile);

  const Canvas& canvas() const { return canvas_; }
  Canvas& canvas() { return canvas_; }
  const ToolState& tools() const { return tools_; }
  const PictureTable& pictures() const { return pictures_; }
  const RandomSource& random() const { return random_; }
  bool destroyRequested() const { return destroyRequested_; }

 private:
  // PointerTarget: the handlers draw through these, and each change is presented at once.
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void ClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
  void PlaceStamp(std::int32_t x, std::int32_t y) override;
  void OpenCanvasMenu() override;

  void Present(const Rect& changed);
  void RunMenuItem(std::int32_t position);

  Desktop& desktop_;
  Canvas canvas_;
  ToolState tools_;
  PictureTable pictures_;
  RandomSource random_;
  bool destroyRequested_ = false;
};

}  // namespace velmora
