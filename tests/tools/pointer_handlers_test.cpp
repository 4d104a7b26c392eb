#include "tools/pointer_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// Records what the handlers asked for, as text.
class RecordingTarget : public PointerTarget {
 public:
  std::vector<std::string> log;
  void DrawLine(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) override { Add("line", {a, b, c, d}); }
  void ClearArea(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) override { Add("clear", {a, b, c, d}); }
  void PlaceStamp(std::int32_t a, std::int32_t b) override { Add("stamp", {a, b}); }
  void OpenCanvasMenu() override { Add("menu", {}); }

 private:
  void Add(const char* what, std::initializer_list<std::int32_t> values) {
    std::string s = what;
    for (auto v : values) {
      s += ' ';
      s += std::to_string(v);
    }
    log.push_back(s);
  }
};

using Log = std::vector<std::string>;

struct PointerTest : ::testing::Test {
  ToolState state;
  RecordingTarget target;
  void Press(int x, int y) { HandleLeftPress(state, target, x, y); }
  void Move(int x, int y, bool held = true) { HandlePointerMove(state, target, x, y, held); }
  void Release() { HandleLeftRelease(state); }
};

TEST_F(PointerTest, APenStrokeIsOneConnectedPolyline) {
  state.mode = ToolMode::Pen;
  Press(10, 10);
  Move(15, 12);
  Move(20, 20);
  Release();
  EXPECT_EQ(target.log, (Log{"line 10 10 15 12", "line 15 12 20 20"}));
  EXPECT_EQ(state.penDown, 0);
}

TEST_F(PointerTest, AClickDrawsNothingAndMovesWithThePenUpOnlyMoveTheLastPoint) {
  state.mode = ToolMode::Pen;
  Press(5, 5);
  Release();
  Move(50, 50, false);
  Move(60, 60, false);
  EXPECT_TRUE(target.log.empty());
  EXPECT_EQ(state.lastX, 60);
  Press(70, 70);
  Move(71, 72);
  EXPECT_EQ(target.log, (Log{"line 70 70 71 72"}));  // starts at the press, not an earlier point
}

TEST_F(PointerTest, StampPrintsOncePerPressAndNotOnADrag) {
  state.mode = ToolMode::Stamp;
  Press(400, 300);
  Move(420, 310);
  Move(440, 330);
  EXPECT_EQ(target.log, (Log{"stamp 400 300"}));
}

TEST_F(PointerTest, EraserClearsASquarePerPressAndPerMove) {
  state.mode = ToolMode::Eraser;
  state.eraserRadius = 1;
  Press(0, 0);
  state.eraserRadius = 50;
  Move(200, 100);
  EXPECT_EQ(target.log, (Log{"clear -1 -1 2 2", "clear 150 50 100 100"}));
}

TEST_F(PointerTest, RightReleaseOpensTheMenuWithoutEndingTheStroke) {
  state.mode = ToolMode::Pen;
  Press(1, 2);
  HandleRightRelease(state, target);
  EXPECT_EQ(state.penDown, 1);
  EXPECT_EQ(state.lastX, 1);
  Move(3, 4);
  EXPECT_EQ(target.log, (Log{"menu", "line 1 2 3 4"}));
}

TEST_F(PointerTest, AReleaseTheCanvasNeverSawLiftsThePenAtTheNextMove) {
  // The left button went up while a menu had the mouse; the next move reports it up.
  state.mode = ToolMode::Pen;
  Press(10, 10);
  Move(30, 30, false);
  Move(40, 40, false);
  EXPECT_TRUE(target.log.empty());
  EXPECT_EQ(state.penDown, 0);
  EXPECT_EQ(state.lastX, 40);
}

TEST_F(PointerTest, OtherModesDrawNothing) {
  state.mode = ToolMode::None;
  Press(1, 1);
  Move(5, 5);
  EXPECT_TRUE(target.log.empty());
  EXPECT_EQ(state.penDown, 1);
}

TEST_F(PointerTest, ADoubleClickRaisesNoSecondPressSoItsDragDrawsNothing) {
  // The canvas reports the second press of a double click as no press at all.
  state.mode = ToolMode::Pen;
  Press(10, 10);
  Release();
  Move(20, 20);  // the button is held again, but no press reached the tools
  Release();
  EXPECT_TRUE(target.log.empty());
}

}  // namespace
}  // namespace velmora
