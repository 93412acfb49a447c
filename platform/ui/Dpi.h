#pragma once
#include <windows.h>

// The dots per inch that apply to a window (its monitor's under per-monitor awareness;
// the system's on Windows before 10).
UINT DpiOfWindow(HWND hwnd);

// The outer size of a window whose client area has the given size.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// A size of GetSystemMetrics (SM_CXICON, say) as it is at the given dots per inch.
int SystemMetricForDpi(int index, UINT dpi);
