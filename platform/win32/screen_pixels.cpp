#include "platform/win32/screen_pixels.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace velmora::win32 {
namespace {

constexpr std::int32_t kCaptureBandRows = 64;

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
  // The screen is copied a band of rows at a time, so that only the image itself, and not a
  // second whole-screen bitmap, is held while start-up is at its busiest.
  const std::int32_t bandRows = height < kCaptureBandRows ? height : kCaptureBandRows;
  BITMAPINFO info = TopDownInfo(width, bandRows);
  void* bits = nullptr;
  UniqueBitmap band{::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  if (!band || !bits) return std::nullopt;
  SelectScope selected(memory.get(), band.get());
  if (!selected) return std::nullopt;
  Image image(width, height);
  const auto* bandPixels = static_cast<const Pixel*>(bits);
  for (std::int32_t top = 0; top < height; top += bandRows) {
    const std::int32_t rows = height - top < bandRows ? height - top : bandRows;
    if (!::BitBlt(memory.get(), 0, 0, width, rows, screen.get(), 0, top, SRCCOPY)) return std::nullopt;
    ::GdiFlush();
    std::memcpy(image.Row(top), bandPixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(rows) * sizeof(Pixel));
  }
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
