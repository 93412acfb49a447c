#pragma once
#include <windows.h>

#include <string_view>

#include "../Seam.h"

// Every message box of the program goes through this seam. The caption is always the
// application title; the box is modal to the window registered as the owner.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the text with a MessageBox style (buttons and icon); returns the button
    // pressed (IDOK, IDCANCEL, ...).
    virtual int Show(std::wstring_view text, UINT style) = 0;
};
template <>
MessageBoxes& Seam<MessageBoxes>::Default();

int ShowMessage(std::wstring_view text, UINT style);

// The main window registers itself here while it exists, so that messages are modal to it.
void SetMessageOwner(HWND owner) noexcept;
HWND MessageOwner() noexcept;
