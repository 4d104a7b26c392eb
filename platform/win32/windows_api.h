#pragma once
// The one way platform code includes the Windows headers: wide-character API, no min/max
// macros, and no MessageBox macro (the Desktop interface has a method of that name).

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>
#include <shellapi.h>

#undef MessageBox
