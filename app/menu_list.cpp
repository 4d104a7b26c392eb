#include "app/menu_list.h"

namespace velmora {

const std::array<MenuItem, kMenuItemCount>& MenuList() {
  // Texts are GBK bytes; the comment after each row shows the text and the position.
  static const std::array<MenuItem, kMenuItemCount> items = {{
      {"\xBB\xAD\xB0\xE5\xB2\xCB\xB5\xA5", 0, true, MenuCommand::None, 0},  // 0 画板菜单
      {"\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3KortavTessaly", 1, false, MenuCommand::None, 0},  // 1 欢迎使用KortavTessaly
      {"-", 1, false, MenuCommand::None, 0},  // 2 -
      {"\xCF\xF0\xC6\xA4\xB2\xC1", 1, false, MenuCommand::None, 0},  // 3 橡皮擦
      {"\xC8\xAB\xB2\xBF\xC7\xE5\xB3\xFD", 2, false, MenuCommand::ClearAll, 0},  // 4 全部清除
      {"-", 2, false, MenuCommand::None, 0},  // 5 -
      {"R1", 2, false, MenuCommand::EraserSize, 1},  // 6 R1
      {"R2", 2, false, MenuCommand::EraserSize, 2},  // 7 R2
      {"R5", 2, false, MenuCommand::EraserSize, 5},  // 8 R5
      {"R10", 2, false, MenuCommand::EraserSize, 10},  // 9 R10
      {"R15", 2, false, MenuCommand::EraserSize, 15},  // 10 R15
      {"R25", 2, false, MenuCommand::EraserSize, 25},  // 11 R25
      {"R50", 2, false, MenuCommand::EraserSize, 50},  // 12 R50
      {"-", 1, false, MenuCommand::None, 0},  // 13 -
      {"\xBB\xAD\xB1\xCA\xB4\xD6\xCF\xB8", 1, false, MenuCommand::None, 0},  // 14 画笔粗细
      {"P1", 2, false, MenuCommand::PenWidth, 1},  // 15 P1
      {"P2", 2, false, MenuCommand::PenWidth, 2},  // 16 P2
      {"P5", 2, false, MenuCommand::PenWidth, 5},  // 17 P5
      {"P10", 2, false, MenuCommand::PenWidth, 10},  // 18 P10
      {"P15", 2, false, MenuCommand::PenWidth, 15},  // 19 P15
      {"P25", 2, false, MenuCommand::PenWidth, 25},  // 20 P25
      {"P40", 2, false, MenuCommand::PenWidth, 40},  // 21 P40
      {"\xBB\xAD\xB1\xCA\xD1\xD5\xC9\xAB", 1, false, MenuCommand::None, 0},  // 22 画笔颜色
      {"\xBA\xDA\xC9\xAB", 2, false, MenuCommand::PenColour, 1},  // 23 黑色
      {"\xB0\xD7\xC9\xAB", 2, false, MenuCommand::PenColour, 2},  // 24 白色
      {"-", 2, false, MenuCommand::None, 0},  // 25 -
      {"\xBA\xEC\xC9\xAB", 2, false, MenuCommand::PenColour, 3},  // 26 红色
      {"\xBB\xC6\xC9\xAB", 2, false, MenuCommand::PenColour, 4},  // 27 黄色
      {"\xC0\xB6\xC9\xAB", 2, false, MenuCommand::PenColour, 5},  // 28 蓝色
      {"\xC2\xCC\xC9\xAB", 2, false, MenuCommand::PenColour, 6},  // 29 绿色
      {"-", 2, false, MenuCommand::None, 0},  // 30 -
      {"\xCC\xD2\xBA\xEC", 2, false, MenuCommand::PenColour, 7},  // 31 桃红
      {"\xB7\xDB\xBA\xEC", 2, false, MenuCommand::PenColour, 8},  // 32 粉红
      {"\xDC\xBD\xBA\xEC", 2, false, MenuCommand::PenColour, 9},  // 33 芙红
      {"\xD7\xCF\xBA\xEC", 2, false, MenuCommand::PenColour, 10},  // 34 紫红
      {"\xD7\xCF\xC9\xAB", 2, false, MenuCommand::PenColour, 11},  // 35 紫色
      {"\xBA\xEC\xBA\xD6", 2, false, MenuCommand::PenColour, 12},  // 36 红褐
      {"\xC4\xDB\xC2\xCC", 2, false, MenuCommand::PenColour, 13},  // 37 嫩绿
      {"\xC7\xE0\xC2\xCC", 2, false, MenuCommand::PenColour, 14},  // 38 青绿
      {"\xC4\xAB\xC2\xCC", 2, false, MenuCommand::PenColour, 15},  // 39 墨绿
      {"\xBA\xD6\xC2\xCC", 2, false, MenuCommand::PenColour, 16},  // 40 褐绿
      {"\xBB\xD2\xC2\xCC", 2, false, MenuCommand::PenColour, 17},  // 41 灰绿
      {"\xCC\xEC\xC0\xB6", 2, false, MenuCommand::PenColour, 18},  // 42 天蓝
      {"\xC7\xE0\xC0\xB6", 2, false, MenuCommand::PenColour, 19},  // 43 青蓝
      {"\xC9\xEE\xC7\xE0", 2, false, MenuCommand::PenColour, 20},  // 44 深青
      {"\xD1\xDE\xC7\xE0", 2, false, MenuCommand::PenColour, 21},  // 45 艳青
      {"\xB2\xD8\xC0\xB6", 2, false, MenuCommand::PenColour, 22},  // 46 藏蓝
      {"\xBB\xC6\xBA\xD6", 2, false, MenuCommand::PenColour, 23},  // 47 黄褐
      {"\x8B\xF6\xBB\xC6", 2, false, MenuCommand::PenColour, 24},  // 48 嬾黄
      {"\xB3\xC8\xBB\xC6", 2, false, MenuCommand::PenColour, 25},  // 49 橙黄
      {"\xC0\xB6\xBB\xD2", 2, false, MenuCommand::PenColour, 26},  // 50 蓝灰
      {"\xD2\xF8\xB0\xD7", 2, false, MenuCommand::PenColour, 27},  // 51 银白
      {"\xC7\xB3\xBB\xD2", 2, false, MenuCommand::PenColour, 28},  // 52 浅灰
      {"\xBB\xD2\xC9\xAB", 2, false, MenuCommand::PenColour, 29},  // 53 灰色
      {"\xC9\xEE\xBB\xD2", 2, false, MenuCommand::PenColour, 30},  // 54 深灰
      {"-", 1, false, MenuCommand::None, 0},  // 55 -
      {"\xD3\xA1\xD5\xC2", 1, false, MenuCommand::None, 0},  // 56 印章
      {"\xCF\xB2\xD1\xF2\xD1\xF2\xCF\xB5\xC1\xD0", 2, false, MenuCommand::StampSeries, 0},  // 57 喜羊羊系列
      {"\xC6\xFB\xB3\xB5\xCF\xB5\xC1\xD0", 2, false, MenuCommand::StampSeries, 1},  // 58 汽车系列
      {"\xCF\xCA\xBB\xA8\xCF\xB5\xC1\xD0", 2, false, MenuCommand::StampSeries, 2},  // 59 鲜花系列
      {"\xD1\xCC\xBB\xA8\xCF\xB5\xC1\xD0", 2, false, MenuCommand::StampSeries, 3},  // 60 烟花系列
      {"-", 1, false, MenuCommand::None, 0},  // 61 -
      {"\xB1\xA3\xB4\xE6\xCD\xBC\xC6\xAC", 1, false, MenuCommand::SavePicture, 0},  // 62 保存图片
      {"-", 1, false, MenuCommand::None, 0},  // 63 -
      {"\xB0\xEF\xD6\xFA\xD6\xF7\xCC\xE2", 1, false, MenuCommand::HelpBox, 0},  // 64 帮助主题
      {"\xB9\xD8\xD3\xDA\xCE\xD2\xC3\xC7", 1, false, MenuCommand::AboutBox, 0},  // 65 关于我们
      {"-", 1, false, MenuCommand::None, 0},  // 66 -
      {"\xCD\xCB\xB3\xF6", 1, false, MenuCommand::Exit, 0},  // 67 退出
      {"\xBB\xAD\xB0\xE5\xCD\xD0\xC5\xCC", 0, true, MenuCommand::None, 0},  // 68 画板托盘
      {"\xB9\xD8\xD3\xDA Velmora", 1, false, MenuCommand::AboutBox, 0},  // 69 关于 Velmora
      {"-", 1, false, MenuCommand::None, 0},  // 70 -
      {"\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2", 1, false, MenuCommand::Exit, 0},  // 71 退出程序
  }};
  return items;
}

namespace {

void AppendChildren(const std::array<MenuItem, kMenuItemCount>& items, std::int32_t parent, MenuNode& into) {
  const std::int32_t parentLevel = items[parent].level;
  for (std::int32_t i = parent + 1; i < kMenuItemCount && items[i].level > parentLevel; ++i) {
    const MenuItem& child = items[i];
    if (child.level != parentLevel + 1) continue;  // deeper items belong to a submenu of ours
    if (child.hidden) {
      // Left out with everything below it.
      while (i + 1 < kMenuItemCount && items[i + 1].level > child.level) ++i;
      continue;
    }
    MenuNode node;
    node.text = std::string(child.text);
    if (child.text == "-") {
      node.kind = MenuNode::Kind::Separator;
    } else if (i + 1 < kMenuItemCount && items[i + 1].level > child.level) {
      node.kind = MenuNode::Kind::Popup;
      AppendChildren(items, i, node);
    } else {
      node.kind = MenuNode::Kind::Item;
      node.commandId = kFirstMenuCommandId + static_cast<std::uint32_t>(i);
    }
    into.children.push_back(std::move(node));
  }
}

}  // namespace

MenuNode BuildPopupTree(std::int32_t rootPosition) {
  MenuNode root;
  const auto& items = MenuList();
  if (rootPosition < 0 || rootPosition >= kMenuItemCount) return root;
  root.text = std::string(items[rootPosition].text);
  AppendChildren(items, rootPosition, root);
  return root;
}

CommandRoute RouteCommand(std::uint32_t wparam) {
  const std::uint32_t id = wparam & 0xFFFF;
  if (id >= 57600) return {CommandRoute::Kind::Ignored, 0};  // the system's own command range
  if (id < kFirstMenuCommandId) return {CommandRoute::Kind::NotMenuCommand, 0};
  const std::uint32_t position = id - kFirstMenuCommandId;
  if (position >= static_cast<std::uint32_t>(kMenuItemCount)) return {CommandRoute::Kind::Ignored, 0};
  return {CommandRoute::Kind::MenuItem, static_cast<std::int32_t>(position)};
}

}  // namespace velmora
