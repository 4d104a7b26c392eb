#include "platform/win32/program_windows.h"

#include "app/texts.h"
#include "platform/win32/native_text.h"
#include "platform/win32/screen_pixels.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kOwnerClass[] = L"VelmoraOwner";
constexpr wchar_t kMainClass[] = L"VelmoraMain";
constexpr wchar_t kCanvasClass[] = L"VelmoraCanvas";

constexpr int kCreationSize = 200;
// The canvas's place inside the main window until the creation sequence stretches it.
constexpr int kCanvasFormLeft = 25, kCanvasFormTop = 25, kCanvasFormSize = 150;

Session* SessionOf(HWND window) { return reinterpret_cast<Session*>(::GetWindowLongPtrW(window, GWLP_USERDATA)); }

void KeepSession(HWND window, LPARAM createParams) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createParams);
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

// Mouse positions are the low and high 16 bits of lParam, read as unsigned values.
std::int32_t PointerX(LPARAM lp) { return static_cast<std::int32_t>(static_cast<std::uint16_t>(lp & 0xFFFF)); }
std::int32_t PointerY(LPARAM lp) { return static_cast<std::int32_t>(static_cast<std::uint16_t>((lp >> 16) & 0xFFFF)); }

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_NCCREATE) KeepSession(window, lp);
  Session* session = SessionOf(window);
  if (!session) return ::DefWindowProcW(window, message, wp, lp);
  Program& program = session->program;
  switch (message) {
    case WM_LBUTTONDOWN:
      program.OnLeftPressed(PointerX(lp), PointerY(lp));
      return 0;
    case WM_MOUSEMOVE:
      program.OnPointerMoved(PointerX(lp), PointerY(lp), (wp & MK_LBUTTON) != 0);
      return 0;
    case WM_LBUTTONUP:
      program.OnLeftReleased();
      return 0;
    case WM_RBUTTONUP:
      program.OnRightReleased();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        ::SetCursor(session->desktop.CanvasPointer());
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel; erasing first would only flicker
    case WM_PAINT: {
      PaintScope paint(window);
      const RECT& a = paint.area();
      DrawImageArea(paint.dc(), program.canvas().Surface(), Rect{a.left, a.top, a.right, a.bottom});
      return 0;
    }
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wp, lp);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_NCCREATE) KeepSession(window, lp);
  Session* session = SessionOf(window);
  if (!session) return ::DefWindowProcW(window, message, wp, lp);
  Program& program = session->program;
  switch (message) {
    case WM_CREATE: {
      HWND canvas = ::CreateWindowExW(0, kCanvasClass, L"", WS_CHILD | WS_VISIBLE, kCanvasFormLeft, kCanvasFormTop,
                                      kCanvasFormSize, kCanvasFormSize, window, nullptr,
                                      reinterpret_cast<const CREATESTRUCTW*>(lp)->hInstance, session);
      if (!canvas) return -1;
      session->desktop.AttachWindows(window, canvas);
      return 0;
    }
    case WM_COMMAND:
      if (program.OnCommand(static_cast<std::uint32_t>(wp))) return 0;
      break;
    case kTrayMessage:
      program.OnTrayMessage(static_cast<std::uint32_t>(lp));
      return 0;
    case kDestroyRequestMessage:
      if (program.TakeDestroyRequest()) ::DestroyWindow(window);
      return 0;
    case WM_CLOSE:
      ::DestroyWindow(window);
      return 0;
    case WM_SETCURSOR:
      // Over the canvas the canvas chooses; this is only for the window's own client area.
      if (reinterpret_cast<HWND>(wp) == window && LOWORD(lp) == HTCLIENT) {
        ::SetCursor(session->desktop.WindowPointer());
        return TRUE;
      }
      break;
    case WM_DESTROY:
      program.HandleWindowDestroying();
      session->desktop.ReleaseWindowResources();
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      if (message == session->taskbarCreatedMessage && message != 0) {
        session->desktop.NotificationAreaRebuilt();
        return 0;
      }
      break;
  }
  return ::DefWindowProcW(window, message, wp, lp);
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  WNDCLASSEXW owner{};
  owner.cbSize = sizeof owner;
  owner.lpfnWndProc = ::DefWindowProcW;
  owner.hInstance = instance;
  owner.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  owner.lpszClassName = kOwnerClass;

  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = MainProc;
  main.hInstance = instance;
  main.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  main.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  main.lpszClassName = kMainClass;

  WNDCLASSEXW canvas{};
  canvas.cbSize = sizeof canvas;
  canvas.style = CS_DBLCLKS;
  canvas.lpfnWndProc = CanvasProc;
  canvas.hInstance = instance;
  canvas.lpszClassName = kCanvasClass;

  return ::RegisterClassExW(&owner) && ::RegisterClassExW(&main) && ::RegisterClassExW(&canvas);
}

HWND CreateOwnerWindow(HINSTANCE instance) {
  return ::CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                           nullptr);
}

HWND CreateMainWindow(HINSTANCE instance, HWND owner, Session& session) {
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - kCreationSize) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - kCreationSize) / 2;
  const std::wstring title = ToWide(WidenGbk(texts::kMainWindowTitle));
  HWND window = ::CreateWindowExW(0, kMainClass, title.c_str(), WS_CLIPCHILDREN, left, top, kCreationSize,
                                  kCreationSize, owner, nullptr, instance, &session);
  if (!window) return nullptr;
  // Every new overlapped window gets a title bar; take it off so the client area is the window.
  ::SetWindowLongPtrW(window, GWL_STYLE, WS_CLIPCHILDREN);
  ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return window;
}

}  // namespace velmora::win32
