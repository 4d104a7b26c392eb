// velmora.exe: everything happens in RunProgram.
#include "platform/win32/run_program.h"
#include "platform/win32/windows_api.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return velmora::win32::RunProgram(); }
