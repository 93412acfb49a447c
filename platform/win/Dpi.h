#pragma once
#include <windows.h>

// The dots per inch that apply to a window (its monitor's under per-monitor awareness;
// the system's on Windows before 10).
UINT DpiOfWindow(HWND hwnd);

// The system's dots per inch, for a window that does not exist yet.
UINT SystemDpi();

// The outer size of a window whose client area has the given size.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);
