// Repeats each operation of the Windows platform many times and checks that the process's GDI
// and USER object counts come back to where they were: cursor changes, pop-up menus built and
// destroyed and shown and closed, message boxes shown and dismissed, the tray icon set and
// removed, screen copies and presents.
//
//   velmora_win32_handles [repeats [name]]   (1000 by default; name: run only the operations
//                                            whose name holds it)
//
// Exits with 0 when no count grew by more than kSlack over any operation, 1 otherwise.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "app/menu_list.h"
#include "app/texts.h"
#include "assets/embedded_assets.h"
#include "canvas/cursor_file.h"
#include "canvas/image.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/win32_desktop.h"
#include "tests/win32_handles/handle_counts.h"

namespace velmora::handles {
namespace {

// Objects an operation may leave behind once, for caches the system fills on first use.
constexpr long kSlack = 3;
constexpr UINT_PTR kCloseTimer = 1;

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  return ::DefWindowProcW(window, message, w, l);
}

HWND MakeWindow(const wchar_t* title, HWND parent) {
  const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
  return ::CreateWindowExW(0, L"VelmoraHandleTest", title, style, 0, 0, 200, 150, parent, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

// Closes whatever modal loop is running when the timer fires: an open menu, or the message
// box of this thread.
VOID CALLBACK CloseModal(HWND, UINT, UINT_PTR, DWORD) {
  ::EndMenu();
  if (HWND box = ::FindWindowW(L"#32770", L"velmora handle test")) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

struct Timer {
  Timer() : id(::SetTimer(nullptr, kCloseTimer, 1, CloseModal)) {}
  ~Timer() { ::KillTimer(nullptr, id); }
  UINT_PTR id;
};

void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

const char* gOnly = nullptr;  // run only the operations whose name holds this text

bool Measure(const char* name, int repeats, const std::function<void()>& operation) {
  if (gOnly && !std::strstr(name, gOnly)) return true;
  // A few times before counting: first uses fill caches (fonts, stock objects, menu bitmaps,
  // the notification area's copy of an icon), some of them only once its messages arrive.
  for (int i = 0; i < 10; ++i) operation();
  PumpMessages();
  ::Sleep(100);
  PumpMessages();
  const Counts before = CountNow();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repeats; ++i) {
    operation();
    if (i % 16 == 0) PumpMessages();
  }
  PumpMessages();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const Counts after = CountNow();
  const bool flat = after.gdi - before.gdi <= kSlack && after.user - before.user <= kSlack;
  std::printf("%-34s x%-5d GDI %5ld -> %5ld   USER %5ld -> %5ld   %6.1f s  %s\n", name, repeats, before.gdi,
              after.gdi, before.user, after.user, seconds, flat ? "flat" : "GROWS");
  std::fflush(stdout);
  return flat;
}

// The counters must see objects that are made and not destroyed, or the comparison proves
// nothing: 10 menus and 10 icons (USER) and 10 brushes (GDI) are made, counted and destroyed.
bool CountersSeeALeak() {
  const Counts before = CountNow();
  HMENU menus[10];
  HICON icons[10];
  HBRUSH brushes[10];
  const BYTE andMask[32 * 4] = {}, xorMask[32 * 4] = {};
  for (int i = 0; i < 10; ++i) {
    menus[i] = ::CreatePopupMenu();
    icons[i] = ::CreateIcon(::GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask);
    brushes[i] = ::CreateSolidBrush(RGB(i, 2 * i, 3 * i));
  }
  const Counts during = CountNow();
  for (int i = 0; i < 10; ++i) {
    ::DestroyMenu(menus[i]);
    ::DestroyIcon(icons[i]);
    ::DeleteObject(brushes[i]);
  }
  const Counts after = CountNow();
  std::printf("%-34s       GDI %5ld -> %5ld -> %5ld   USER %5ld -> %5ld -> %5ld\n", "counter check (20 made, freed)",
              before.gdi, during.gdi, after.gdi, before.user, during.user, after.user);
  return during.gdi - before.gdi >= 10 && during.user - before.user >= 20 && after == before;
}

int Run(int repeats) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VelmoraHandleTest";
  ::RegisterClassW(&windowClass);
  HWND main = MakeWindow(L"velmora handle test window", nullptr);
  HWND canvas = MakeWindow(L"", main);
  if (!main || !canvas) {
    std::printf("velmora_win32_handles: no test window\n");
    return 1;
  }

  win32::Win32Desktop desktop(u"C:\\");
  desktop.AttachWindows(main, canvas);
  const auto pen = ParseCursorFile(assets::PenCursor());
  const auto eraser = ParseCursorFile(assets::EraserCursor());
  const auto stamp = ParseCursorFile(assets::StampCursor());
  const auto window = ParseCursorFile(assets::WindowCursor());
  if (!pen || !eraser || !stamp || !window || assets::TrayIconFile().empty()) {
    std::printf("velmora_win32_handles: the embedded cursors or the tray icon are missing\n");
    return 1;
  }
  const MenuNode canvasMenu = BuildPopupTree(kCanvasMenuRoot);
  const MenuNode trayMenu = BuildPopupTree(kTrayMenuRoot);
  Image surface(200, 150, 0x00336699);

  std::printf("velmora_win32_handles: objects counted with %s\n", CounterName());
  if (!CountersSeeALeak()) {
    std::printf("velmora_win32_handles: the object counters do not see objects being made\n");
    return 1;
  }
  bool ok = true;
  ok &= Measure("canvas and window cursors", repeats, [&] {
    desktop.SetCanvasCursor(pen);
    desktop.SetCanvasCursor(eraser);
    desktop.SetCanvasCursor(stamp);
    desktop.SetWindowCursor(window);
    desktop.SetCanvasCursor(std::nullopt);
  });
  ok &= Measure("pop-up menus built and destroyed", repeats, [&] {
    win32::UniqueMenu canvasTree = win32::BuildPlatformMenu(canvasMenu);
    win32::UniqueMenu trayTree = win32::BuildPlatformMenu(trayMenu);
  });
  ok &= Measure("pop-up menus shown and closed", repeats, [&] {
    Timer closer;
    desktop.PopupMenu(canvasMenu, Desktop::MenuOrigin::Canvas);
  });
  ok &= Measure("tray menus shown and closed", repeats, [&] {
    Timer closer;
    desktop.PopupMenu(trayMenu, Desktop::MenuOrigin::Tray);
  });
  ok &= Measure("message boxes shown and dismissed", repeats, [&] {
    Timer closer;
    desktop.MessageBox(u"velmora handle test", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL, u"velmora handle test");
  });
  ok &= Measure("tray icon set and removed", repeats, [&] {
    desktop.SetTrayIcon(assets::TrayIconFile(), texts::kTrayTooltip.substr(0, 62));
    desktop.SetTrayIcon(assets::TrayIconFile(), "replaced in place");
    desktop.SetTrayIcon({}, {});
  });
  ok &= Measure("screen copies", repeats, [&] { (void)desktop.CaptureScreen(desktop.ScreenWidth(), desktop.ScreenHeight()); });
  ok &= Measure("presents of the canvas", repeats, [&] {
    desktop.PresentCanvas(surface, Rect{0, 0, 200, 150});
    desktop.PresentCanvas(surface, Rect{10, 20, 30, 40});
  });

  desktop.ReleaseWindowResources();
  ::DestroyWindow(main);
  std::printf("velmora_win32_handles: %s\n", ok ? "no operation leaks" : "FAILED: an operation leaks");
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace velmora::handles

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::atoi(argv[1]) : 1000;
  if (argc > 2) velmora::handles::gOnly = argv[2];
  return velmora::handles::Run(repeats > 0 ? repeats : 1000);
}
