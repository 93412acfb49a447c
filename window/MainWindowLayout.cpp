#include "MainWindowLayout.h"

#include <commctrl.h>

#include "platform/SystemError.h"
#include "platform/ui/Dpi.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

using main_window::Control;

namespace {

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

WindowClass ClassOf(const main_window::ControlDesign& design)
{
    switch (design.kind) {
    case main_window::ControlKind::Label: return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case main_window::ControlKind::Text: return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case main_window::ControlKind::TextBox: return {WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case main_window::ControlKind::PushButton:
        // BS_NOTIFY: the window hears when a button gets the focus, however it got it.
        return {WC_BUTTONW,
                WS_TABSTOP | BS_NOTIFY |
                    static_cast<DWORD>(design.id == main_window::kDefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                0};
    case main_window::ControlKind::ReportList:
        return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    }
    throw ProgramError(L"Unknown kind of control.");
}

DWORD StartStyle(main_window::ControlStart start)
{
    switch (start) {
    case main_window::ControlStart::Enabled: return WS_VISIBLE;
    case main_window::ControlStart::Disabled: return WS_VISIBLE | WS_DISABLED;
    case main_window::ControlStart::Hidden: return 0;
    }
    return 0;
}

int PointsToPixels(int points, UINT dpi) { return MulDiv(points, static_cast<int>(dpi), 72); }

}  // namespace

void MainWindowLayout::Build(HWND window)
{
    CreateControls(window);
    Apply(window, DpiOfWindow(window));
    SizeFrame(window);  // before it is centred
    CentreOnWorkArea(window);
}

void MainWindowLayout::CreateControls(HWND window)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const main_window::ControlDesign& design : main_window::kControls) {
        const WindowClass kind = ClassOf(design);
        const HWND control = CreateWindowExW(kind.exStyle, kind.name, design.caption,
                                             WS_CHILD | kind.style | StartStyle(design.start), 0, 0, 0, 0, window,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
        if (control == nullptr) ThrowLastError(L"CreateWindowEx");
    }
    // The system's shield: the button asks for full rights.
    SendMessageW(GetDlgItem(window, static_cast<int>(Control::ElevateButton)), BCM_SETSHIELD, 0, TRUE);
}

RECT MainWindowLayout::PixelRect(const main_window::TwipRect& place) const
{
    const int dpi = static_cast<int>(dpi_);
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return RECT{left, top, left + TwipsToPixels(place.width, dpi), top + TwipsToPixels(place.height, dpi)};
}

void MainWindowLayout::Apply(HWND window, UINT dpi)
{
    dpi_ = dpi;
    UniqueGdiObject font(CreateFontW(-PointsToPixels(main_window::kFontPoints, dpi), 0, 0, 0, main_window::kFontWeight,
                                     FALSE, FALSE, FALSE, main_window::kFontCharset, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                     main_window::kFontFace));
    if (!font) ThrowLastError(L"CreateFont");
    for (const main_window::ControlDesign& design : main_window::kControls) {
        const HWND control = GetDlgItem(window, static_cast<int>(design.id));
        const RECT place = PixelRect(design.place);
        SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);  // the old font goes only once no control uses it
}

void MainWindowLayout::SizeFrame(HWND window) const
{
    const int dpi = static_cast<int>(dpi_);
    const SIZE client{TwipsToPixels(main_window::kClientWidthTwips, dpi),
                      TwipsToPixels(main_window::kClientHeightTwips, dpi)};
    const SIZE outer = WindowSizeForClient(client, kMainWindowStyle, 0, dpi_);
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
