#pragma once
// The boundary between the core's texts (GBK bytes, UTF-16 paths) and the wide-character API.

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace velmora::win32 {

constexpr unsigned kGbkCodePage = 936;

// GBK bytes as UTF-16; bytes that form no character become the code page's default character.
NativeText WidenGbk(std::string_view gbk);

// wchar_t is 16 bits on Windows, so these only change the element type.
std::wstring ToWide(const NativeText& text);
NativeText FromWide(const std::wstring& text);

}  // namespace velmora::win32
