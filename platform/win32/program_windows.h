#pragma once
// The program's three windows: the invisible owner, the frameless main window and the canvas
// child window that turns mouse messages into the program's pointer events.

#include "app/program.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/windows_api.h"

namespace velmora::win32 {

// What the window procedures act on, for the whole run.
struct Session {
  explicit Session(NativeText programDirectory) : desktop(std::move(programDirectory)), program(desktop) {}
  Win32Desktop desktop;
  Program program;
  UINT taskbarCreatedMessage = 0;
};

bool RegisterWindowClasses(HINSTANCE instance);

// A tool window, never shown: owning the main window keeps it off the taskbar.
HWND CreateOwnerWindow(HINSTANCE instance);

// The main window, hidden, 200 × 200 centred on the primary screen, frameless, with the canvas
// child inside; null when it cannot be made.
HWND CreateMainWindow(HINSTANCE instance, HWND owner, Session& session);

}  // namespace velmora::win32
