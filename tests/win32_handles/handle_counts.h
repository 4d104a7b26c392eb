#pragma once
// How many GDI and USER objects this process holds. Windows answers GetGuiResources; Wine
// leaves it unimplemented, so there the objects are counted from the process's own handle
// tables: live entries of the GDI handle table that the process environment block points to,
// and the process's menus and icons (cursors are icons) found by their 16-bit handle values.

#include <windows.h>

#include <cstdint>
#include <string>

namespace velmora::handles {

struct Counts {
  long gdi = -1;
  long user = -1;
  friend bool operator==(const Counts&, const Counts&) = default;
};

inline bool GuiResourcesWork() {
  ::SetLastError(0);
  const DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  return gdi != 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

// The GDI handle table: 65536 entries of 24 bytes (object, owner, generation, type, flags,
// user data); a live entry has a non-zero type.
inline long CountGdiTableEntries() {
  using GetPeb = void*(WINAPI*)();
  const auto getPeb = reinterpret_cast<GetPeb>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetCurrentPeb")));
  if (getPeb == nullptr) return -1;
  const auto* peb = static_cast<const std::uint8_t*>(getPeb());
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);  // GdiSharedHandleTable
  if (table == nullptr) return -1;
  constexpr std::size_t kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
  long live = 0;
  for (std::size_t i = 0; i < kEntries; ++i) live += table[i * kEntrySize + kTypeOffset] != 0;
  return live;
}

// USER handles are 0x20 + 2 × index in their low word; Wine accepts a handle without its
// generation in the high word, so every index can be asked whether it is a menu or an icon.
inline long CountMenusAndIcons() {
  long live = 0;
  for (std::uintptr_t index = 0; index < 0x7FF0; ++index) {
    const std::uintptr_t value = 0x20 + 2 * index;
    if (::IsMenu(reinterpret_cast<HMENU>(value))) {
      ++live;
      continue;
    }
    ICONINFO info{};
    if (::GetIconInfo(reinterpret_cast<HICON>(value), &info)) {
      ++live;
      if (info.hbmColor) ::DeleteObject(info.hbmColor);
      if (info.hbmMask) ::DeleteObject(info.hbmMask);
    }
  }
  return live;
}

inline Counts CountNow() {
  Counts c;
  if (GuiResourcesWork()) {
    c.gdi = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    c.user = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
  } else {
    c.user = CountMenusAndIcons();  // first: its icon queries make and delete bitmaps
    c.gdi = CountGdiTableEntries();
  }
  return c;
}

inline const char* CounterName() {
  return GuiResourcesWork() ? "GetGuiResources" : "the GDI handle table and the menus and icons by handle";
}

}  // namespace velmora::handles
