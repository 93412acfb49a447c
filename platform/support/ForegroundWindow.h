#pragma once
#include <windows.h>

// Brings the window to the foreground, even when another program's window has it.
bool qsSetForegroundWindowEx(HWND window);
