#include "DefaultButton.h"

using main_window::Control;
using main_window::ControlKind;

Control DefaultButton::Current(HWND window)
{
    const HWND focus = GetFocus();
    for (const main_window::ControlDesign& design : main_window::kControls) {
        if (design.kind == ControlKind::PushButton && focus != nullptr &&
            focus == GetDlgItem(window, static_cast<int>(design.id))) {
            return design.id;
        }
    }
    return main_window::kDefaultButton;
}

void DefaultButton::Show(HWND window, Control button)
{
    shown_ = button;
    for (const main_window::ControlDesign& design : main_window::kControls) {
        if (design.kind != ControlKind::PushButton) continue;
        SendDlgItemMessageW(window, static_cast<int>(design.id), BM_SETSTYLE,
                            design.id == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

LRESULT DefaultButton::Id() const { return MAKELRESULT(static_cast<int>(shown_), DC_HASDEFID); }
