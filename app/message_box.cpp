#include "app/message_box.h"

namespace velmora {

namespace {
constexpr std::uint32_t kSystemModal = 0x1000;
constexpr std::uint32_t kTaskModal = 0x2000;
}  // namespace

std::uint32_t MessageBoxFlags(std::uint32_t style) {
  return (style & kSystemModal) != 0 ? style : (style | kTaskModal);
}

std::int32_t MessageBoxResult(std::int32_t systemAnswer) {
  return (systemAnswer >= 1 && systemAnswer <= 7) ? systemAnswer - 1 : 0;
}

std::int32_t ShowMessageBox(Desktop& desktop, const NativeText& text, std::uint32_t style, const NativeText& title) {
  return MessageBoxResult(desktop.MessageBox(text, MessageBoxFlags(style), title));
}

}  // namespace velmora
