#pragma once
// Saving the canvas as a bitmap file named after the moment, in the program's folder.

#include "canvas/canvas.h"
#include "platform/desktop.h"

namespace velmora {

// The directory of a module path: everything before its last backslash (never ending in one),
// empty when the path has none. D:\draw.exe gives D:.
NativeText DirectoryOfModulePath(const NativeText& modulePath);

// directory + "\" + name + ".bmp".
NativeText PicturePath(const NativeText& directory, const NativeText& name);

// Writes the whole canvas and, only when every byte reached the file, shows where.
// Returns whether the picture was saved.
bool SavePicture(Desktop& desktop, const Canvas& canvas);

}  // namespace velmora
