#include "platform/win32/screen_pixels.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace velmora::win32 {
namespace {

// A 32-bit top-down DIB description: rows of exactly `width` pixels, the memory layout of Image.
BITMAPINFO TopDownInfo(std::int32_t width, std::int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

std::optional<Image> CaptureScreenPixels(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  WindowDc screen(nullptr);
  if (!screen) return std::nullopt;
  UniqueMemoryDc memory{::CreateCompatibleDC(screen.get())};
  if (!memory) return std::nullopt;
  BITMAPINFO info = TopDownInfo(width, height);
  void* bits = nullptr;
  UniqueBitmap section{::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  if (!section || !bits) return std::nullopt;
  {
    SelectScope selected(memory.get(), section.get());
    if (!selected) return std::nullopt;
    if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY)) return std::nullopt;
    ::GdiFlush();
  }
  Image image(width, height);
  std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(Pixel));
  for (Pixel& p : image.pixels) p &= 0x00FFFFFF;  // the fourth byte is no colour
  return image;
}

void DrawImageArea(HDC dc, const Image& image, const Rect& area) {
  const Rect r = Intersect(area, image.Bounds());
  if (r.Empty() || !dc) return;
  // A DIB of just the rows concerned, drawn whole: that sidesteps the bottom-up source origin
  // of SetDIBitsToDevice for top-down bitmaps.
  BITMAPINFO info = TopDownInfo(image.width, r.Height());
  ::SetDIBitsToDevice(dc, r.left, r.top, static_cast<DWORD>(r.Width()), static_cast<DWORD>(r.Height()), r.left, 0, 0,
                      static_cast<UINT>(r.Height()), image.Row(r.top), &info, DIB_RGB_COLORS);
}

}  // namespace velmora::win32
