#include "MainWindowControls.h"

using main_window::Control;

HWND ControlOf(HWND window, Control control) { return GetDlgItem(window, static_cast<int>(control)); }

std::wstring ControlText(HWND window, Control control)
{
    const HWND handle = ControlOf(window, control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return text;
}

namespace {

void KeepFocusFrom(HWND window, HWND control)
{
    if (GetFocus() == control) SetFocus(ControlOf(window, Control::SpecificationBox));
}

}  // namespace

void EnableControl(HWND window, Control control, bool enable)
{
    const HWND handle = ControlOf(window, control);
    if (!enable) KeepFocusFrom(window, handle);
    EnableWindow(handle, enable ? TRUE : FALSE);
}

void ShowControl(HWND window, Control control, bool show)
{
    const HWND handle = ControlOf(window, control);
    if (!show) KeepFocusFrom(window, handle);
    ShowWindow(handle, show ? SW_SHOWNA : SW_HIDE);
}
