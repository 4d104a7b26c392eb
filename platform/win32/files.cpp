#include "platform/win32/files.h"

#include "platform/win32/handles.h"

namespace velmora::win32 {
namespace {

// The target may be held briefly by another program (a viewer, a virus scanner); a few short
// retries cover that while keeping the menu command well under a second.
constexpr int kMoveAttempts = 5;
constexpr DWORD kMoveRetryDelayMs = 40;

bool WriteAll(HANDLE file, ByteView bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool WriteTemporary(const std::wstring& temporary, ByteView bytes) {
  UniqueFile file{::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr)};
  if (!file) return false;
  if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
    file.reset();
    return false;
  }
  return ::CloseHandle(file.release()) != FALSE;
}

bool MoveOver(const std::wstring& temporary, const std::wstring& target) {
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    if (attempt > 0) ::Sleep(kMoveRetryDelayMs);
    if (::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
  }
  return false;
}

}  // namespace

std::wstring ModuleFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 0x8000u * 2) return {};  // longer than any path the system can give
    path.resize(path.size() * 2);
  }
}

bool WriteFileReplacing(const std::wstring& path, ByteView bytes) {
  if (path.empty()) return false;
  const std::wstring temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
  if (WriteTemporary(temporary, bytes) && MoveOver(temporary, path)) return true;
  ::DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace velmora::win32
