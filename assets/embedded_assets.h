#pragma once
// The files of assets/files, compiled into the program as byte arrays.

#include <string_view>

#include "common/bytes.h"

namespace velmora::assets {

// The bytes of an embedded file by its name in assets/files ("pen.cur", "goat01.gif", …);
// empty when there is no such file.
ByteView File(std::string_view name);

inline ByteView WindowCursor() { return File("window.cur"); }
inline ByteView PenCursor() { return File("pen.cur"); }
inline ByteView EraserCursor() { return File("eraser.cur"); }
inline ByteView StampCursor() { return File("stamp.cur"); }
inline ByteView TrayIconFile() { return File("tray.ico"); }

}  // namespace velmora::assets
