#pragma once
// The main window's controls by their design names: their handles, texts and states.
#include <windows.h>

#include <string>

#include "MainWindowDesign.h"

HWND ControlOf(HWND window, main_window::Control control);
std::wstring ControlText(HWND window, main_window::Control control);

// A control that loses the keyboard focus by being disabled or hidden gives it to the
// module specification box: on a disabled or hidden control it would be lost.
void EnableControl(HWND window, main_window::Control control, bool enable);
void ShowControl(HWND window, main_window::Control control, bool show);
