#include "platform/win32/cursors.h"

#include <cstdint>
#include <vector>

namespace velmora::win32 {

UniqueCursor MakeCursor(const CursorImage& cursor) {
  // A cursor resource is the image with its hot spot in front, as two 16-bit values.
  std::vector<std::uint8_t> resource;
  resource.reserve(cursor.image.size() + 4);
  for (std::int32_t value : {cursor.hotX, cursor.hotY}) {
    resource.push_back(static_cast<std::uint8_t>(value));
    resource.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  resource.insert(resource.end(), cursor.image.begin(), cursor.image.end());
  if (resource.size() > MAXDWORD) return UniqueCursor{};
  HICON made = ::CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE, 0x00030000,
                                          cursor.width, cursor.height, LR_DEFAULTCOLOR);
  return UniqueCursor{static_cast<HCURSOR>(made)};
}

void RefreshPointerShape() {
  POINT where{};
  if (::GetCursorPos(&where)) ::SetCursorPos(where.x, where.y);
}

}  // namespace velmora::win32
