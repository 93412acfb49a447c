#pragma once
#include <windows.h>

// The application's hidden window, which stands for the program as a whole (created at
// first use, never shown).
HWND ApplicationWindow();
