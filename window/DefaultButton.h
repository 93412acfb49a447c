#pragma once
// The window's default button, as a dialog has one: Enter presses the push button that has
// the focus, however it got it, and «Найти» when the focus is on no push button; the
// button Enter would press is the one drawn as the default.
#include <windows.h>

#include "MainWindowDesign.h"

class DefaultButton {
public:
    // The button a plain Enter presses now.
    static main_window::Control Current(HWND window);
    // Draws `button` as the default and every other push button as an ordinary one.
    void Show(HWND window, main_window::Control button);
    // The answer to DM_GETDEFID: the dialog keys ask for the default button.
    LRESULT Id() const;

private:
    main_window::Control shown_ = main_window::kDefaultButton;
};
