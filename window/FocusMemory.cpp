#include "FocusMemory.h"

#include "MainWindowControls.h"

void FocusMemory::OnDeactivated(HWND window)
{
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) focused_ = focus;
}

void FocusMemory::OnActivated(HWND window)
{
    const bool usable = focused_ != nullptr && IsWindow(focused_) && IsWindowEnabled(focused_);
    SetFocus(usable ? focused_ : ControlOf(window, main_window::Control::SpecificationBox));
}
