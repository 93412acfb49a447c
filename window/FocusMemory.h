#pragma once
// The control that had the keyboard focus when the window was deactivated gets it back
// when the window is activated again (as a dialog does); the module specification box
// when that control is gone or disabled.
#include <windows.h>

class FocusMemory {
public:
    void OnDeactivated(HWND window);
    void OnActivated(HWND window);

private:
    HWND focused_ = nullptr;
};
