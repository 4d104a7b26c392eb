#include "app/program.h"

#include <utility>

#include "app/message_box.h"
#include "app/menu_list.h"
#include "app/texts.h"
#include "assets/embedded_assets.h"
#include "canvas/bitmap_file.h"
#include "canvas/cursor_file.h"
#include "save/save_picture.h"
#include "stamps/stamp_tool.h"
#include "tools/tool_choices.h"

namespace velmora {

namespace {

constexpr std::size_t kTooltipBytes = 62;

// The tray callback's mouse messages and the events they stand for.
enum TrayEvent : std::int32_t { kTrayNone = 0, kTrayLeftUp = 1, kTrayDoubleClick = 2, kTrayMenu = 3 };

TrayEvent TrayEventOf(std::uint32_t mouseMessage) {
  switch (mouseMessage) {
    case 0x202: return kTrayLeftUp;       // WM_LBUTTONUP
    case 0x203: return kTrayDoubleClick;  // WM_LBUTTONDBLCLK
    case 0x205:                           // WM_RBUTTONUP
    case 0x7B: return kTrayMenu;          // WM_CONTEXTMENU
    default: return kTrayNone;
  }
}

}  // namespace

void Program::HandleWindowCreated() {
  random_.Seed(desktop_.TickCount());

  ByteBuffer snapshot;
  {
    const std::int32_t w = desktop_.ScreenWidth(), h = desktop_.ScreenHeight();
    if (auto screen = desktop_.CaptureScreen(w, h)) snapshot = EncodeBitmap(*screen, 0, 0);
  }

  desktop_.SetWindowCursor(ParseCursorFile(assets::WindowCursor()));

  const std::int32_t w = desktop_.ScreenWidth();
  const std::int32_t h = desktop_.ScreenHeight();
  desktop_.MoveMainWindow(Rect{0, 0, w, h});
  const Rect outer = desktop_.MainWindowRect();

  const Rect placementBefore = canvas_.Placement();
  const Rect repaint = canvas_.Place(0, 0, outer.Width(), outer.Height());
  if (canvas_.Placement() != placementBefore) desktop_.PlaceCanvas(canvas_.Placement());
  Present(repaint);

  Present(canvas_.SetBackgroundPicture(std::move(snapshot)));
  SetMousePointer(assets::PenCursor());
  tools_.mode = ToolMode::Pen;
  desktop_.SetTrayIcon(assets::TrayIconFile(), texts::kTrayTooltip.substr(0, kTooltipBytes));
}

void Program::HandleWindowDestroying() {
  ReleaseStamp(tools_, pictures_);
  desktop_.SetTrayIcon({}, {});
}

void Program::OnLeftPressed(std::int32_t x, std::int32_t y) { HandleLeftPress(tools_, *this, x, y); }

void Program::OnPointerMoved(std::int32_t x, std::int32_t y, bool leftButtonHeld) {
  HandlePointerMove(tools_, *this, x, y, leftButtonHeld);
}

void Program::OnLeftReleased() { HandleLeftRelease(tools_); }

void Program::OnRightReleased() { HandleRightRelease(tools_, *this); }

bool Program::OnCommand(std::uint32_t wparam) {
  const CommandRoute route = RouteCommand(wparam);
  switch (route.kind) {
    case CommandRoute::Kind::NotMenuCommand: return false;
    case CommandRoute::Kind::Ignored: return true;
    case CommandRoute::Kind::MenuItem: RunMenuItem(route.position); return true;
  }
  return true;
}

void Program::OnTrayMessage(std::uint32_t mouseMessage) {
  if (TrayEventOf(mouseMessage) == kTrayMenu) {
    desktop_.PopupMenu(BuildPopupTree(kTrayMenuRoot), Desktop::MenuOrigin::Tray);
  }
}

void Program::ExitProgram() {
  destroyRequested_ = true;
  desktop_.PostDestroyRequest();
}

bool Program::TakeDestroyRequest() {
  if (!destroyRequested_) return false;
  destroyRequested_ = false;
  return true;
}

void Program::RunMenuItem(std::int32_t position) {
  const MenuItem& item = MenuList()[position];
  switch (item.command) {
    case MenuCommand::None: break;
    case MenuCommand::ClearAll: ClearAll(); break;
    case MenuCommand::EraserSize: ChooseEraserSize(item.value); break;
    case MenuCommand::PenWidth: ChoosePenWidth(item.value); break;
    case MenuCommand::PenColour: ChoosePenColour(PenColourChoices()[item.value - 1].colour); break;
    case MenuCommand::StampSeries: ChooseStamp(item.value); break;
    case MenuCommand::SavePicture: SavePicture(); break;
    case MenuCommand::HelpBox: ShowHelpBox(); break;
    case MenuCommand::AboutBox: ShowAboutBox(); break;
    case MenuCommand::Exit: ExitProgram(); break;
  }
}

void Program::ChoosePenColour(ColorRef colour) {
  tools_.mode = ToolMode::Pen;
  canvas_.SetPenColor(colour);
  SetMousePointer(assets::PenCursor());
}

void Program::ChoosePenWidth(std::int32_t width) {
  tools_.mode = ToolMode::Pen;
  canvas_.SetPenWidth(width);
  SetMousePointer(assets::PenCursor());
}

void Program::ChooseEraserSize(std::int32_t radius) {
  tools_.mode = ToolMode::Eraser;
  tools_.eraserRadius = radius;
  SetMousePointer(assets::EraserCursor());
}

void Program::ChooseStamp(std::int32_t series) {
  if (series < 0 || series > 3) return;
  ChooseStampSeries(tools_, pictures_, random_, static_cast<StampSeriesId>(series));
  SetMousePointer(assets::StampCursor());
}

void Program::ClearAll() { Present(canvas_.ClearAll()); }

void Program::SavePicture() { velmora::SavePicture(desktop_, canvas_); }

void Program::ShowHelpBox() { ShowMessageBox(texts::kHelpText, kInformationBoxStyle, texts::kHelpTitle); }

void Program::ShowAboutBox() { ShowMessageBox(texts::kAboutText, kInformationBoxStyle, texts::kAboutTitle); }

std::int32_t Program::ShowMessageBox(std::string_view gbkText, std::uint32_t style, std::string_view gbkTitle) {
  return velmora::ShowMessageBox(desktop_, desktop_.FromGbk(gbkText), style, desktop_.FromGbk(gbkTitle));
}

void Program::SetMousePointer(ByteView cursorFile) { desktop_.SetCanvasCursor(ParseCursorFile(cursorFile)); }

void Program::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  Present(canvas_.DrawLine(x1, y1, x2, y2));
}

void Program::ClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  Present(canvas_.ClearArea(x, y, width, height));
}

void Program::PlaceStamp(std::int32_t x, std::int32_t y) {
  Present(velmora::PlaceStamp(tools_, pictures_, canvas_.MutableSurface(), x, y));
}

void Program::OpenCanvasMenu() { desktop_.PopupMenu(BuildPopupTree(kCanvasMenuRoot), Desktop::MenuOrigin::Canvas); }

void Program::Present(const Rect& changed) {
  if (!changed.Empty()) desktop_.PresentCanvas(canvas_.Surface(), changed);
}

}  // namespace velmora
