// A helper for the save-failure tests: opens each file named on the command line with share
// mode 0, so no other process may open, replace or delete it, then holds them until a file
// named like the first one plus ".release" appears (or two minutes pass). It writes the first
// file's name plus ".held" once every file is open.
#include <windows.h>

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::vector<HANDLE> held;
  for (int i = 1; i < argc; ++i) {
    HANDLE file = ::CreateFileW(argv[i], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    held.push_back(file);
  }
  const std::wstring first = argv[1];
  HANDLE marker = ::CreateFileW((first + L".held").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker == INVALID_HANDLE_VALUE) return 1;
  ::CloseHandle(marker);
  const std::wstring release = first + L".release";
  for (int waited = 0; waited < 1200; ++waited) {
    if (::GetFileAttributesW(release.c_str()) != INVALID_FILE_ATTRIBUTES) break;
    ::Sleep(100);
  }
  for (HANDLE file : held) ::CloseHandle(file);
  return 0;
}
