#pragma once
#include <windows.h>

#include <string_view>

#include "platform/Seam.h"

// Every message box of the program goes through this seam. The caption is always the
// application title; the box is modal to the window registered as the owner.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the text with a MessageBox style (buttons and icon; MB_USERICON shows the
    // program's icon kProgramIcon); returns the button pressed (IDOK, IDCANCEL, ...).
    // A box that cannot be shown throws SystemError.
    virtual int Show(std::wstring_view text, UINT style) = 0;
};
template <>
MessageBoxes& Seam<MessageBoxes>::Default();

// The program's icon group resource.
inline constexpr const wchar_t* kProgramIcon = L"A_MAIN";

int ShowMessage(std::wstring_view text, UINT style);

// The main window registers itself here while it exists, so that messages are modal to it.
void SetMessageOwner(HWND owner) noexcept;
