#include "MainWindowLayout.h"

#include <commctrl.h>

#include "platform/SystemError.h"
#include "platform/ui/Dpi.h"
#include "platform/ui/Twips.h"

using main_window::Control;

namespace {

struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;  // without WS_VISIBLE: shown when it has something to offer
    DWORD exStyle;
};

ControlKind KindOf(Control control)
{
    // BS_NOTIFY: the window hears when a button gets the focus, however it got it.
    constexpr DWORD kButton = WS_TABSTOP | WS_DISABLED | BS_NOTIFY | BS_PUSHBUTTON;
    switch (control) {
    case Control::Label: return {WC_STATICW, WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};  // never a second line
    case Control::Status: return {WC_STATICW, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0};  // two lines when it needs them
    case Control::SpecificationBox: return {WC_EDITW, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Control::SearchButton:
        return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | WS_DISABLED | BS_NOTIFY | BS_DEFPUSHBUTTON, 0};
    case Control::ResultsList:
        return {WC_LISTVIEWW, WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    case Control::SaveBatchButton:
    case Control::TerminateButton:
    case Control::RelaunchButton: return {WC_BUTTONW, WS_VISIBLE | kButton, 0};
    case Control::UnexaminedButton:
    case Control::ElevateButton: return {WC_BUTTONW, WS_TABSTOP | BS_NOTIFY | BS_PUSHBUTTON, 0};
    }
    throw ProgramError(L"Unknown control.");
}

int PointsToPixels(int points, UINT dpi) { return MulDiv(points, static_cast<int>(dpi), 72); }

}  // namespace

void MainWindowLayout::CreateControls(HWND window)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const main_window::ControlDesign& design : main_window::kControls) {
        const ControlKind kind = KindOf(design.id);
        const HWND control = CreateWindowExW(kind.exStyle, kind.windowClass, design.caption, WS_CHILD | kind.style, 0,
                                             0, 0, 0, window,
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
