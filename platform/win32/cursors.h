#pragma once
// Mouse pointers made from the checked first image of a cursor file.

#include "canvas/cursor_file.h"
#include "platform/win32/handles.h"

namespace velmora::win32 {

// The pointer for the image with its hot spot; a null cursor when the system refuses it.
UniqueCursor MakeCursor(const CursorImage& cursor);

// Puts the pointer back where it is, so a new shape shows without waiting for a mouse move.
void RefreshPointerShape();

}  // namespace velmora::win32
