#pragma once
// The rules for the tray icon's image choice, in both passes (see parser_checks.h).

#include <string>

#include "app/tray_icon_choice.h"
#include "tests/regression/parser_checks.h"

namespace velmora::hardening {

inline std::string CheckTrayIconChoice(ByteView file) {
  for (const auto pass : {TrayIconPass::Small, TrayIconPass::Medium}) {
    const auto chosen = ChooseTrayIconImage(file, pass);
    if (!chosen) continue;
    if (!InsideOf(chosen->image, file)) return "the chosen image is not inside the file";
    if (chosen->width <= 0 || chosen->height <= 0) return "a chosen image without pixels";
    const auto headerWidth = ReadI32(chosen->image, 4);
    const auto headerHeight = ReadI32(chosen->image, 8);
    if (!headerWidth || !headerHeight || *headerWidth != chosen->width || *headerHeight / 2 != chosen->height) {
      return "the size differs from the image's own header";
    }
  }
  return {};
}

}  // namespace velmora::hardening
