#include "app/menu_list.h"

#include <gtest/gtest.h>

#include "tools/tool_choices.h"

namespace velmora {
namespace {

const MenuNode& Child(const MenuNode& node, std::size_t i) { return node.children.at(i); }

TEST(MenuList, KeyPositions) {
  const auto& items = MenuList();
  struct Case { int position; const char* text; int level; MenuCommand command; int value; };
  const Case cases[] = {
      {0, "\xBB\xAD\xB0\xE5\xB2\xCB\xB5\xA5", 0, MenuCommand::None, 0},  // 画板菜单
      {1, "\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3KortavTessaly", 1, MenuCommand::None, 0},
      {4, "\xC8\xAB\xB2\xBF\xC7\xE5\xB3\xFD", 2, MenuCommand::ClearAll, 0},  // 全部清除
      {12, "R50", 2, MenuCommand::EraserSize, 50},
      {21, "P40", 2, MenuCommand::PenWidth, 40},
      {23, "\xBA\xDA\xC9\xAB", 2, MenuCommand::PenColour, 1},  // 黑色
      {48, "\x8B\xF6\xBB\xC6", 2, MenuCommand::PenColour, 24},
      {54, "\xC9\xEE\xBB\xD2", 2, MenuCommand::PenColour, 30},  // 深灰
      {60, "\xD1\xCC\xBB\xA8\xCF\xB5\xC1\xD0", 2, MenuCommand::StampSeries, 3},  // 烟花系列
      {62, "\xB1\xA3\xB4\xE6\xCD\xBC\xC6\xAC", 1, MenuCommand::SavePicture, 0},  // 保存图片
      {67, "\xCD\xCB\xB3\xF6", 1, MenuCommand::Exit, 0},  // 退出
      {68, "\xBB\xAD\xB0\xE5\xCD\xD0\xC5\xCC", 0, MenuCommand::None, 0},  // 画板托盘
      {69, "\xB9\xD8\xD3\xDA Velmora", 1, MenuCommand::AboutBox, 0},
      {71, "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2", 1, MenuCommand::Exit, 0},  // 退出程序
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(items[c.position].text, c.text);
    EXPECT_EQ(items[c.position].level, c.level);
    EXPECT_EQ(items[c.position].command, c.command);
    EXPECT_EQ(items[c.position].value, c.value);
  }
  for (const MenuItem& item : items) EXPECT_EQ(item.hidden, item.level == 0);
}

TEST(MenuList, CanvasMenuTreeHasTheSubmenusInOrder) {
  const MenuNode root = BuildPopupTree(kCanvasMenuRoot);
  using K = MenuNode::Kind;
  const K top[] = {K::Item, K::Separator, K::Popup, K::Separator, K::Popup, K::Popup, K::Separator, K::Popup,
                   K::Separator, K::Item, K::Separator, K::Item, K::Item, K::Separator, K::Item};
  ASSERT_EQ(root.children.size(), std::size(top));
  for (std::size_t i = 0; i < std::size(top); ++i) EXPECT_EQ(Child(root, i).kind, top[i]) << i;
  EXPECT_EQ(Child(root, 0).commandId, 20001u);
  EXPECT_EQ(Child(root, 14).commandId, 20067u);

  const MenuNode& eraser = Child(root, 2);
  ASSERT_EQ(eraser.children.size(), 9u);  // clear all, a separator, seven sizes
  EXPECT_EQ(Child(eraser, 0).commandId, 20004u);
  EXPECT_EQ(Child(eraser, 1).kind, K::Separator);
  EXPECT_EQ(Child(eraser, 8).text, "R50");

  const MenuNode& colours = Child(root, 5);
  ASSERT_EQ(colours.children.size(), 32u);  // 2 + 4 + 24 colours and two separators
  EXPECT_EQ(Child(colours, 2).kind, K::Separator);
  EXPECT_EQ(Child(colours, 7).kind, K::Separator);
  EXPECT_EQ(Child(colours, 31).commandId, 20054u);
  EXPECT_EQ(Child(root, 7).children.size(), 4u);  // the stamp series
}

TEST(MenuList, TrayMenuTree) {
  const MenuNode root = BuildPopupTree(kTrayMenuRoot);
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(Child(root, 0).commandId, 20069u);
  EXPECT_EQ(Child(root, 1).kind, MenuNode::Kind::Separator);
  EXPECT_EQ(Child(root, 2).commandId, 20071u);
}

TEST(MenuList, CommandIdentifierBoundaries) {
  using K = CommandRoute::Kind;
  struct Case { std::uint32_t wparam; K kind; std::int32_t position; };
  for (const Case c : {Case{0, K::NotMenuCommand, 0}, Case{19999, K::NotMenuCommand, 0}, Case{20000, K::MenuItem, 0},
                       Case{20067, K::MenuItem, 67}, Case{20071, K::MenuItem, 71}, Case{20072, K::Ignored, 0},
                       Case{57599, K::Ignored, 0}, Case{57600, K::Ignored, 0}, Case{0xF060, K::Ignored, 0},
                       Case{0x12344E20, K::MenuItem, 0} /* only the low 16 bits count */}) {
    const CommandRoute route = RouteCommand(c.wparam);
    EXPECT_EQ(route.kind, c.kind) << c.wparam;
    if (c.kind == K::MenuItem) {
      EXPECT_EQ(route.position, c.position) << c.wparam;
    }
  }
}

TEST(ToolChoices, TablesMatchTheMenu) {
  const auto& colours = PenColourChoices();
  EXPECT_EQ(colours[0].colour, 0x00000000u);
  EXPECT_EQ(colours[2].colour, 0x000000FFu);  // red
  EXPECT_EQ(colours[21].colour, 0x00E03058u);
  EXPECT_EQ(colours[23].text, "\x8B\xF6\xBB\xC6");
  EXPECT_EQ(colours[29].colour, 0x00606060u);
  EXPECT_EQ(PenWidthChoices()[6].value, 40);
  EXPECT_EQ(EraserSizeChoices()[6].value, 50);
  for (const MenuItem& item : MenuList()) {
    if (item.command == MenuCommand::PenColour) {
      EXPECT_EQ(colours[item.value - 1].text, item.text);
    }
  }
}

}  // namespace
}  // namespace velmora
