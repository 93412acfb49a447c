#pragma once
// Where a window stands: centred on its monitor, or in front of every other.
#include <windows.h>

// Centres the window on the work area of its monitor; true when it moved.
bool CentreOnWorkArea(HWND window);

// Brings the window to the foreground, even when another program's window has it.
bool BringToForeground(HWND window);
