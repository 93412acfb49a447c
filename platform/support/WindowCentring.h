#pragma once
#include <windows.h>

// Centres the window on the work area of its monitor; true when it moved.
bool qsCenterFormEx(HWND window);
