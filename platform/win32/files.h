#pragma once
// Files of the program: where it lives, and writing a file so that it is whole or not there.

#include <string>

#include "common/bytes.h"

namespace velmora::win32 {

// The full path of the running program, however long.
std::wstring ModuleFilePath();

// Writes the bytes to a temporary file beside `path`, flushes it and moves it over `path` in
// one step. True only when all of that went through; otherwise the temporary file is removed
// and an earlier file at `path` is as it was.
bool WriteFileReplacing(const std::wstring& path, ByteView bytes);

}  // namespace velmora::win32
