#pragma once
// Owners for Win32 handles: each releases its handle with the matching function when it goes
// out of scope or is given another one, so no path leaks a GDI or USER object.

#include <utility>

#include "platform/win32/windows_api.h"

namespace velmora::win32 {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::IsValid(handle_); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    Handle old = std::exchange(handle_, handle);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

template <typename Handle, BOOL(WINAPI* CloseFunction)(Handle)>
struct NullIsInvalid {
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CloseFunction(h); }
};

// Kernel handles from CreateFile use INVALID_HANDLE_VALUE for failure.
struct FileTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};

using UniqueFile = UniqueHandle<HANDLE, FileTraits>;
using UniqueIcon = UniqueHandle<HICON, NullIsInvalid<HICON, ::DestroyIcon>>;
// Cursors made from bytes are destroyed like icons (DestroyCursor).
using UniqueCursor = UniqueHandle<HCURSOR, NullIsInvalid<HCURSOR, ::DestroyCursor>>;
using UniqueMenu = UniqueHandle<HMENU, NullIsInvalid<HMENU, ::DestroyMenu>>;
using UniqueMemoryDc = UniqueHandle<HDC, NullIsInvalid<HDC, ::DeleteDC>>;

class UniqueBitmap {
 public:
  UniqueBitmap() = default;
  explicit UniqueBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
  UniqueBitmap(const UniqueBitmap&) = delete;
  UniqueBitmap& operator=(const UniqueBitmap&) = delete;
  ~UniqueBitmap() {
    if (bitmap_) ::DeleteObject(bitmap_);
  }
  HBITMAP get() const { return bitmap_; }
  explicit operator bool() const { return bitmap_ != nullptr; }

 private:
  HBITMAP bitmap_ = nullptr;
};

// A device context borrowed from a window (or the whole screen for a null window) with GetDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint/EndPaint as a pair.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { ::EndPaint(window_, &paint_); }
  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context, put back when the scope ends.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;
  ~SelectScope() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace velmora::win32
