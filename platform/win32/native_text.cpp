#include "platform/win32/native_text.h"

#include <climits>

#include "platform/win32/windows_api.h"

namespace velmora::win32 {

NativeText WidenGbk(std::string_view gbk) {
  if (gbk.empty() || gbk.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int inLength = static_cast<int>(gbk.size());
  const int outLength = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inLength, nullptr, 0);
  if (outLength <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(outLength), L'\0');
  const int written = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inLength, wide.data(), outLength);
  if (written <= 0) return {};
  wide.resize(static_cast<std::size_t>(written));
  return FromWide(wide);
}

std::wstring ToWide(const NativeText& text) { return std::wstring(text.begin(), text.end()); }

NativeText FromWide(const std::wstring& text) { return NativeText(text.begin(), text.end()); }

}  // namespace velmora::win32
