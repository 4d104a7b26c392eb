#pragma once
// The program's start routine: returns the process exit status.

namespace velmora::win32 {

// 0 after a normal end; -1 when the main window cannot be created.
int RunProgram();

}  // namespace velmora::win32
