#include "platform/win32/run_program.h"

#include "app/texts.h"
#include "save/save_picture.h"
#include "platform/win32/files.h"
#include "platform/win32/native_text.h"
#include "platform/win32/program_windows.h"

namespace velmora::win32 {
namespace {

int FailStartup() {
  const std::wstring text = ToWide(WidenGbk(texts::kStartupFailedText));
  const std::wstring title = ToWide(WidenGbk(texts::kStartupFailedTitle));
  ::MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_ICONERROR);
  return -1;
}

}  // namespace

int RunProgram() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const NativeText directory = DirectoryOfModulePath(FromWide(ModuleFilePath()));
  if (!directory.empty()) ::SetCurrentDirectoryW(ToWide(directory).c_str());

  Session session(directory);
  session.taskbarCreatedMessage = ::RegisterWindowMessageW(L"TaskbarCreated");
  if (!RegisterWindowClasses(instance)) return FailStartup();
  HWND owner = CreateOwnerWindow(instance);
  HWND mainWindow = CreateMainWindow(instance, owner, session);
  if (!mainWindow) {
    if (owner) ::DestroyWindow(owner);
    return FailStartup();
  }

  session.program.HandleWindowCreated();
  if (::IsWindow(mainWindow)) ::ShowWindow(mainWindow, SW_SHOW);

  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  if (owner) ::DestroyWindow(owner);
  return 0;
}

}  // namespace velmora::win32
