#include "app/program.h"
#include "save/save_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/texts.h"
#include "canvas/bitmap_file.h"
#include "tests/fakes/fake_desktop.h"

namespace velmora {
namespace {

using testing::FakeDesktop;
using testing::FakeWiden;

constexpr std::uint32_t Id(int position) { return 20000u + static_cast<std::uint32_t>(position); }
constexpr int kWhiteItem = 24, kRedItem = 26, kP1Item = 15, kP40Item = 21, kR1Item = 6, kR10Item = 9;

struct ProgramTest : ::testing::Test {
  FakeDesktop desktop{64, 48};
  Program program{desktop};
  void Start() { program.HandleWindowCreated(); }
  void Drag(std::initializer_list<std::pair<int, int>> points) {
    auto it = points.begin();
    program.OnLeftPressed(it->first, it->second);
    for (++it; it != points.end(); ++it) program.OnPointerMoved(it->first, it->second, true);
    program.OnLeftReleased();
  }
};

TEST_F(ProgramTest, CreationSequenceRunsInOrderAndCopiesTheScreenFirst) {
  Start();
  const std::vector<std::string> expected = {"TickCount",   "CaptureScreen",   "SetWindowCursor", "MoveMainWindow",
                                             "PlaceCanvas", "SetCanvasCursor", "SetTrayIcon"};
  EXPECT_EQ(desktop.calls, expected);
  EXPECT_EQ(program.random().state(), desktop.tickCount);
  EXPECT_EQ(desktop.mainWindowRect, (Rect{0, 0, 64, 48}));
  EXPECT_EQ(desktop.canvasPlacement, (Rect{0, 0, 64, 48}));
  EXPECT_EQ(program.canvas().Surface(), desktop.screen);
  EXPECT_EQ(program.tools().mode, ToolMode::Pen);
  EXPECT_TRUE(desktop.trayIconShown);
  EXPECT_EQ(desktop.trayTooltips.back(), texts::kTrayTooltip);  // well under 62 bytes: never cut
}

TEST_F(ProgramTest, AFailedScreenCopyLeavesAWhiteCanvas) {
  desktop.captureFails = true;
  Start();
  EXPECT_EQ(program.canvas().Surface(), Image(64, 48, 0xFFFFFF));
}

TEST_F(ProgramTest, DefaultPenDrawsRedAndEveryChangeIsPresented) {
  Start();
  desktop.presented.clear();
  Drag({{10, 20}, {40, 20}});
  EXPECT_EQ(program.canvas().Surface().At(25, 20), 0xFF0000u);
  EXPECT_EQ(program.canvas().Surface().At(25, 22), 0xFF0000u);
  EXPECT_NE(program.canvas().Surface().At(25, 23), 0xFF0000u);
  ASSERT_EQ(desktop.presented.size(), 1u);
  EXPECT_EQ(desktop.presented[0], (Rect{8, 18, 43, 23}));
}

TEST_F(ProgramTest, ToolChoicesSwitchToolsAndKeepTheOtherSettings) {
  Start();
  ASSERT_TRUE(program.OnCommand(Id(kR1Item)));
  EXPECT_EQ(program.tools().mode, ToolMode::Eraser);
  EXPECT_EQ(program.tools().eraserRadius, 1);
  ASSERT_TRUE(program.OnCommand(Id(kP40Item)));
  EXPECT_EQ(program.tools().mode, ToolMode::Pen);
  EXPECT_EQ(program.canvas().PenWidth(), 40);
  EXPECT_EQ(program.canvas().PenColor(), 0x000000FFu);  // the colour stays
  program.OnCommand(Id(kWhiteItem));
  EXPECT_EQ(program.canvas().PenColor(), 0x00FFFFFFu);
  EXPECT_EQ(program.canvas().PenWidth(), 40);
  program.OnCommand(Id(kR10Item));
  EXPECT_EQ(program.tools().eraserRadius, 10);
  EXPECT_EQ(program.canvas().PenColor(), 0x00FFFFFFu);
  program.OnCommand(Id(kP1Item));
  EXPECT_EQ(program.tools().eraserRadius, 10);  // remembered while the pen is in use
  // Every choice sets its tool's cursor again.
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "SetCanvasCursor"), 1 + 5);
}

TEST_F(ProgramTest, EraserWipesBackToTheSnapshotAndClearAllRestoresEverything) {
  Start();
  program.OnCommand(Id(kP40Item));
  Drag({{0, 0}, {63, 47}});
  program.OnCommand(Id(kR10Item));
  Drag({{30, 20}});
  for (int y = 10; y < 30; ++y)
    for (int x = 20; x < 40; ++x) ASSERT_EQ(program.canvas().Surface().At(x, y), desktop.screen.At(x, y));
  EXPECT_NE(program.canvas().Surface(), desktop.screen);
  program.OnCommand(Id(4));  // 全部清除
  EXPECT_EQ(program.canvas().Surface(), desktop.screen);
  EXPECT_EQ(program.tools().mode, ToolMode::Eraser);  // the tool stays
}

TEST_F(ProgramTest, RightReleaseOpensTheCanvasMenuAndTheTrayOpensOnlyOnItsMenuEvents) {
  Start();
  program.OnRightReleased();
  ASSERT_EQ(desktop.popups.size(), 1u);
  EXPECT_EQ(desktop.popups[0].children.size(), 15u);
  EXPECT_EQ(desktop.calls.back(), "PopupMenu(canvas)");
  for (std::uint32_t message : {0x200u, 0x201u, 0x202u, 0x203u, 0x204u, 0x207u}) program.OnTrayMessage(message);
  EXPECT_EQ(desktop.popups.size(), 1u);
  program.OnTrayMessage(0x205);
  program.OnTrayMessage(0x7B);
  ASSERT_EQ(desktop.popups.size(), 3u);
  EXPECT_EQ(desktop.popups[2].children.size(), 3u);
  EXPECT_EQ(desktop.calls.back(), "PopupMenu(tray)");
}

TEST_F(ProgramTest, CommandsOutsideTheListDoNothing) {
  Start();
  const Image before = program.canvas().Surface();
  const auto calls = desktop.calls.size();
  EXPECT_FALSE(program.OnCommand(19999));
  EXPECT_TRUE(program.OnCommand(Id(72)));
  EXPECT_TRUE(program.OnCommand(57600));
  EXPECT_TRUE(program.OnCommand(Id(1)));  // the greeting item
  EXPECT_TRUE(program.OnCommand(Id(3)));  // a submenu title
  EXPECT_EQ(desktop.calls.size(), calls);
  EXPECT_EQ(program.canvas().Surface(), before);
  EXPECT_EQ(program.tools().mode, ToolMode::Pen);
}

TEST_F(ProgramTest, HelpAndAboutBoxesAreTaskModalInformationBoxes) {
  Start();
  program.OnCommand(Id(64));
  program.OnCommand(Id(65));
  program.OnCommand(Id(69));
  ASSERT_EQ(desktop.boxes.size(), 3u);
  EXPECT_EQ(desktop.boxes[0].title, FakeWiden(texts::kHelpTitle));
  EXPECT_EQ(desktop.boxes[0].text, FakeWiden(texts::kHelpText));
  EXPECT_EQ(desktop.boxes[0].flags, 0x2040u);
  EXPECT_EQ(desktop.boxes[1].title, FakeWiden(texts::kAboutTitle));
  EXPECT_EQ(desktop.boxes[1].text, desktop.boxes[2].text);
  EXPECT_EQ(desktop.boxes[1].title, desktop.boxes[2].title);
}

TEST_F(ProgramTest, BothExitItemsGoThroughTheDestroyRequest) {
  Start();
  EXPECT_FALSE(program.TakeDestroyRequest());  // a request without the flag leaves the window
  for (int item : {67, 71}) {
    program.OnCommand(Id(item));
    EXPECT_EQ(desktop.calls.back(), "PostDestroyRequest");
    EXPECT_TRUE(program.TakeDestroyRequest());
    EXPECT_FALSE(program.TakeDestroyRequest());
  }
  program.HandleWindowDestroying();
  EXPECT_FALSE(desktop.trayIconShown);
  EXPECT_EQ(program.tools().stampPicture, kNoPicture);
}

TEST_F(ProgramTest, SaveWritesTheCanvasUnderTheTimeStampAndShowsThePath) {
  Start();
  Drag({{5, 5}, {50, 40}});
  desktop.now = {2026, 12, 11, 9, 0, 1};
  program.OnCommand(Id(62));
  const NativeText path = u"C:\\Velmora\\" + FakeWiden(DateTimeToText(desktop.now)) + u".bmp";
  ASSERT_EQ(desktop.files.count(path), 1u);
  const auto saved = DecodeBitmap(desktop.files[path]);
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, program.canvas().Surface());
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, FakeWiden(texts::kSavedPrefix) + path);
  EXPECT_EQ(desktop.boxes[0].title, FakeWiden(texts::kSavedTitle));
  EXPECT_EQ(desktop.boxes[0].flags, 0x2040u);
}

TEST_F(ProgramTest, AFailedSaveShowsNothingAndChangesNothing) {
  Start();
  desktop.writeFails = true;
  const Image before = program.canvas().Surface();
  program.OnCommand(Id(62));
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_EQ(program.canvas().Surface(), before);
  EXPECT_EQ(program.tools().mode, ToolMode::Pen);
}

TEST(ProgramDirectory, IsEverythingBeforeTheLastBackslash) {
  EXPECT_EQ(DirectoryOfModulePath(u"D:\\draw.exe"), u"D:");
  EXPECT_EQ(DirectoryOfModulePath(u"C:\\Program Files\\Velmora\\velmora.exe"), u"C:\\Program Files\\Velmora");
  EXPECT_EQ(DirectoryOfModulePath(u"velmora.exe"), u"");
  EXPECT_EQ(PicturePath(u"D:", u"x"), u"D:\\x.bmp");
}

}  // namespace
}  // namespace velmora
