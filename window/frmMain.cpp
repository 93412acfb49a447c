#include "frmMain.h"

#include <commctrl.h>

#include <vector>

#include "KeyShortcuts.h"
#include "KeyboardState.h"
#include "actions/ListedProcessActions.h"
#include "MessageLoop.h"
#include "modListViewSupport.h"
#include "platform/AppIdentity.h"
#include "platform/Twips.h"
#include "platform/component/AboutBox.h"
#include "platform/component/SettingsStore.h"
#include "platform/support/HostEnvironment.h"
#include "platform/support/TextOperations.h"
#include "platform/support/ContainerWindows.h"
#include "platform/support/ForegroundWindow.h"
#include "platform/support/TextSelection.h"
#include "platform/support/WindowCentring.h"
#include "platform/support/WindowIcons.h"
#include "platform/tray/TrayTooltip.h"
#include "platform/win/Dpi.h"
#include "platform/win/Gdi.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/SystemError.h"
#include "platform/win/UserFeedback.h"
#include "search/modMain.h"

using frm_main::Control;

namespace {

constexpr const wchar_t* kWindowClass = L"VennickMain";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kCommandLineTimer = 1;  // tmrActonFromCommandLine
constexpr UINT kCommandLineTimerPeriodMs = 1;
constexpr Control kDefaultButton = Control::cmdSearch;

struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ControlKind KindOf(Control control)
{
    constexpr DWORD kButton = WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON;
    switch (control) {
    case Control::lblTag: return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case Control::txtModuleSpec: return {WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Control::cmdSearch: return {WC_BUTTONW, WS_TABSTOP | WS_DISABLED | BS_DEFPUSHBUTTON, 0};
    case Control::lvProcesses:
        return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    case Control::cmdSaveBAT:
    case Control::cmdKill:
    case Control::cmdLaunch: return {WC_BUTTONW, kButton, 0};
    }
    throw ProgramError(L"Unknown control.");
}

int PointsToPixels(int points, UINT dpi) { return MulDiv(points, static_cast<int>(dpi), 72); }

// A column's width goes between the list's pixels and twips through this one pair, so
// that a width read at one DPI and set at another rounds as the stored widths do.
std::vector<int> ColumnWidthsTwips(const ListView& list, UINT dpi)
{
    std::vector<int> widths;
    const int columns = list.ColumnCount();
    for (int column = 0; column < columns; ++column) {
        widths.push_back(PixelsToTwips(list.ColumnWidth(column), static_cast<int>(dpi)));
    }
    return widths;
}

void SetColumnWidthsTwips(ListView& list, const std::vector<int>& widths, UINT dpi)
{
    for (std::size_t column = 0; column < widths.size(); ++column) {
        list.SetColumnWidth(static_cast<int>(column), TwipsToPixels(widths[column], static_cast<int>(dpi)));
    }
}

}  // namespace

bool frmMain::Load()
{
    // The frame gets its size once the window knows its own DPI (WM_CREATE).
    return CreateWindowOfClass(kWindowClass, 0, kWindowStyle, frm_main::kCaption, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);
}

void frmMain::Show()
{
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    SetFocus(ControlHandle(Control::txtModuleSpec));
}

bool frmMain::PreTranslateMessage(MSG& message)
{
    if (Handle() == nullptr) return false;
    const bool ours = message.hwnd == Handle() || IsChild(Handle(), message.hwnd);
    if (ours && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)) {
        int keyCode = static_cast<int>(message.wParam);
        const int shift = Seam<KeyboardState>::Current().ShiftMask(KeyMoment::OfMessage);
        RunGuarded([&] { Form_KeyDown(keyCode, shift); });
        if (Handle() == nullptr || keyCode == 0) return true;  // Esc unloaded the window, or the key was taken
    }
    return IsDialogMessageW(Handle(), &message) != FALSE;
}

HWND frmMain::ControlHandle(Control control) const { return GetDlgItem(Handle(), static_cast<int>(control)); }

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The tray control sees every message first: its callback, the taskbar's restart, the
    // window's end.
    if (stMain_Message(message, lParam)) return 0;
    switch (message) {
    case WM_CREATE: Form_Create(); return 0;
    case WM_DESTROY: Form_Destroy(); return 0;
    case WM_PAINT: Form_Paint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint handler covers the whole client area
    case WM_SIZE: Form_Resize(wParam); return 0;
    case WM_MOVE: Form_Move(); return 0;
    case WM_ACTIVATE: Form_Activate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: Form_DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_ENDSESSION: Form_EndSession(wParam != FALSE); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case DM_GETDEFID: return MAKELRESULT(static_cast<int>(kDefaultButton), DC_HASDEFID);
    case WM_TIMER:
        if (wParam == kCommandLineTimer) tmrActonFromCommandLine_Timer();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) != ControlHandle(Control::lblTag)) break;
        return lblTag_CtlColor(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        if (Form_SetCursor()) return TRUE;
        break;
    default: break;
    }
    return Default(message, wParam, lParam);
}

void frmMain::Form_Create()
{
    SetMessageOwner(Handle());
    CreateControls();
    ApplyLayout(DpiOfWindow(Handle()));
    SizeFrameToLayout();  // before the load handler centres it
    Form_Load();
    loaded_ = true;
}

void frmMain::Form_Destroy()
{
    SetMessageOwner(nullptr);
    if (loaded_) Form_Unload();  // a window whose loading failed has nothing to keep
}

LRESULT frmMain::lblTag_CtlColor(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The hourglass of a long command stays over the window whatever the pointer crosses.
bool frmMain::Form_SetCursor()
{
    if (!IsWaitCursorOn()) return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

void frmMain::CreateControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const frm_main::ControlDesign& design : frm_main::kControls) {
        const ControlKind kind = KindOf(design.id);
        const HWND control = CreateWindowExW(kind.exStyle, kind.windowClass, design.caption,
                                             WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, Handle(),
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
        if (control == nullptr) ThrowLastError(L"CreateWindowEx");
    }
    processes_ = std::make_unique<ListViewResultsList>(ControlHandle(Control::lvProcesses));
}

RECT frmMain::PixelRect(const frm_main::TwipRect& place) const
{
    const int dpi = static_cast<int>(dpi_);
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return RECT{left, top, left + TwipsToPixels(place.width, dpi), top + TwipsToPixels(place.height, dpi)};
}

void frmMain::ApplyLayout(UINT dpi)
{
    dpi_ = dpi;
    UniqueGdiObject font(CreateFontW(-PointsToPixels(frm_main::kFontPoints, dpi), 0, 0, 0, frm_main::kFontWeight, FALSE,
                                     FALSE, FALSE, frm_main::kFontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, frm_main::kFontFace));
    if (!font) ThrowLastError(L"CreateFont");
    for (const frm_main::ControlDesign& design : frm_main::kControls) {
        const HWND control = ControlHandle(design.id);
        const RECT place = PixelRect(design.place);
        SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);  // the old font goes only once no control uses it
}

void frmMain::SizeFrameToLayout()
{
    const int dpi = static_cast<int>(dpi_);
    const SIZE client{TwipsToPixels(frm_main::kClientWidthTwips, dpi),
                      TwipsToPixels(frm_main::kClientHeightTwips, dpi)};
    const SIZE outer = WindowSizeForClient(client, kWindowStyle, 0, dpi_);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::EnableControl(Control control, bool enable)
{
    const HWND handle = ControlHandle(control);
    // Keyboard focus on a disabled control would be lost: it goes to the box instead.
    if (!enable && GetFocus() == handle) SetFocus(ControlHandle(Control::txtModuleSpec));
    EnableWindow(handle, enable ? TRUE : FALSE);
}

std::wstring frmMain::ControlText(Control control) const
{
    const HWND handle = ControlHandle(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return text;
}

void frmMain::Form_Load()
{
    qsCenterFormEx(Handle());
    if (!qsIsInIDE()) icons_ = qsSetWindowResIconAll(Handle(), kProgramIcon);
    qsFixUserControlsContainerWindow();
    InitProcessesList();
    stMain_.SetOwner(Handle());
    stMain_.SetIconPicture(qsLoadResTrayIcon(kProgramIcon));
    if (qsIsInIDE()) SetWindowTextW(ControlHandle(Control::txtModuleSpec), frm_main::kSampleSpecification);
    ApplyCommandLine();
}

void frmMain::ApplyCommandLine()
{
    if (commandLine_.empty()) return;
    SetWindowTextW(ControlHandle(Control::txtModuleSpec), qsTrimEx2(commandLine_).c_str());
    if (!SetTimer(Handle(), kCommandLineTimer, kCommandLineTimerPeriodMs, nullptr)) ThrowLastError(L"SetTimer");
}

void frmMain::tmrActonFromCommandLine_Timer()
{
    KillTimer(Handle(), kCommandLineTimer);  // one search per run
    cmdSearch_Click();
}

void frmMain::Form_Unload()
{
    SaveProcessesListLayout();
    PostQuitMessage(0);
}

// Windows ends the process once this message has been answered, without destroying the
// window: the session's end is the program's end, as closing the window is.
void frmMain::Form_EndSession(bool ending)
{
    if (ending) DestroyWindow(Handle());
}

void frmMain::Form_Paint()
{
    const PaintContext paint(Handle());
    const HDC dc = paint.Dc();
    // The background shows the desktop's pattern or wallpaper, aligned with the screen.
    PaintDesktop(dc);

    const RECT band = PixelRect(frm_main::kBackgroundBand);
    const SelectedObject brush(dc, GetStockObject(DC_BRUSH));
    const SelectedObject pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, GetSysColor(COLOR_BTNFACE));
    SetDCPenColor(dc, GetSysColor(COLOR_BTNTEXT));
    Rectangle(dc, band.left, band.top, band.right, band.bottom);
}

// The desktop's pattern stands still on the screen: a moved window must draw it anew.
void frmMain::Form_Move() { InvalidateRect(Handle(), nullptr, FALSE); }

void frmMain::Form_Resize(WPARAM sizeKind)
{
    if (sizeKind != SIZE_MINIMIZED) return;
    stMain_.SetText(TrayTooltip(frm_main::kCaption, ControlText(Control::txtModuleSpec)));
    // Without a notification area to hold the icon the window stays on the taskbar:
    // hidden, it could never be brought back.
    if (stMain_.SetIconVisible(true)) ShowWindow(Handle(), SW_HIDE);
}

bool frmMain::stMain_Message(UINT message, LPARAM lParam)
{
    bool activated = false;
    const bool iconMessage = stMain_.HandleMessage(message, lParam, activated);
    if (activated) stMain_IconActivated();
    return iconMessage;
}

void frmMain::stMain_IconActivated()
{
    // A double click arrives as more than one activation, and the waiting messages run
    // inside this handler: the first activation restores the window, once.
    if (restoringFromTray_) return;
    restoringFromTray_ = true;
    RestoreFromTray();
    DoEvents(*this);  // the restored window is drawn before the icon goes
    restoringFromTray_ = false;
    RestoreFromTray();  // a minimize that ran meanwhile hid it again: the icon is going
    stMain_.SetIconVisible(false);
    qsSetForegroundWindowEx(Handle());
}

void frmMain::RestoreFromTray()
{
    ShowWindow(Handle(), SW_SHOW);
    OpenIcon(Handle());
}

void frmMain::Form_Activate(bool active)
{
    const HWND focus = GetFocus();
    if (!active) {
        if (focus != nullptr && IsChild(Handle(), focus)) focusedControl_ = focus;
        return;
    }
    const bool remembered = focusedControl_ != nullptr && IsWindow(focusedControl_) && IsWindowEnabled(focusedControl_);
    SetFocus(remembered ? focusedControl_ : ControlHandle(Control::txtModuleSpec));
}

void frmMain::Form_DpiChanged(UINT dpi, const RECT& suggested)
{
    ListView& list = processes_->View();
    const std::vector<int> widths = ColumnWidthsTwips(list, dpi_);
    ApplyLayout(dpi);
    SetColumnWidthsTwips(list, widths, dpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::Form_KeyDown(int& keyCode, int shift)
{
    // Every Enter is decided here and never reaches the dialog keys: Ctrl+Enter's press is
    // the one search it starts, with the contains test.
    const auto press = [&](HWND button) {
        keyCode = 0;  // taken first: a command that fails must not be pressed again by the dialog keys
        OnCommand(GetDlgCtrlID(button), BN_CLICKED, button);
    };
    switch (ShortcutFor(keyCode, shift)) {
    case FormShortcut::ShowAbout: AboutBox().ShowAbout(L"", app::kAuthor); break;
    case FormShortcut::Unload: DestroyWindow(Handle()); break;
    case FormShortcut::PressDefaultButton: press(DefaultButton()); break;
    case FormShortcut::PressSearch: press(ControlHandle(Control::cmdSearch)); break;
    case FormShortcut::Ignore: keyCode = 0; break;
    case FormShortcut::None: break;
    }
}

// The focused push button when Tab has given it the default look, else the window's default.
HWND frmMain::DefaultButton() const
{
    const HWND focus = GetFocus();
    const bool focusIsDefault = focus != nullptr && IsChild(Handle(), focus) &&
                                (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
    return focusIsDefault ? focus : ControlHandle(kDefaultButton);
}

void frmMain::OnCommand(int id, int code, HWND control)
{
    if (id == static_cast<int>(Control::txtModuleSpec)) {
        if (code == EN_CHANGE) txtModuleSpec_Change();
        if (code == EN_SETFOCUS) txtModuleSpec_GotFocus();
        return;
    }
    // A disabled button never clicks, whatever sent the command.
    if (code != BN_CLICKED || control == nullptr || !IsWindowEnabled(control)) return;
    switch (static_cast<Control>(id)) {
    case Control::cmdSearch: cmdSearch_Click(); break;
    case Control::cmdKill: cmdKill_Click(*processes_); break;
    case Control::cmdLaunch: cmdLaunch_Click(*processes_, Handle()); break;
    case Control::cmdSaveBAT: cmdSaveBAT_Click(*processes_, Handle()); break;
    default: break;
    }
}

void frmMain::cmdSearch_Click()
{
    {
        const WaitCursor wait;
        const bool partial = (Seam<KeyboardState>::Current().ShiftMask(KeyMoment::Now) & kCtrlMask) != 0;
        processes_->Clear();
        const std::wstring spec = ControlText(Control::txtModuleSpec);
        {
            const ListViewRedrawSuspended quiet(processes_->View().Handle());
            SearchModule(*processes_, spec, partial);
        }
        const bool found = processes_->RowCount() > 0;
        EnableControl(Control::cmdKill, found);
        EnableControl(Control::cmdLaunch, found);
        EnableControl(Control::cmdSaveBAT, found);
    }
    DefaultBeep();
}

void frmMain::txtModuleSpec_Change()
{
    EnableControl(Control::cmdSearch, GetWindowTextLengthW(ControlHandle(Control::txtModuleSpec)) > 0);
}

void frmMain::txtModuleSpec_GotFocus() { qsHighlightText(ControlHandle(Control::txtModuleSpec)); }

void frmMain::InitProcessesList()
{
    ListView& list = processes_->View();
    constexpr int kColumns = static_cast<int>(std::size(frm_main::kProcessesColumns));
    // A column without a valid stored width keeps the design's.
    const auto stored = SettingsStore().ReadColumnWidths(frm_main::kProcessesListName, kColumns);
    std::vector<int> widths;
    for (int column = 0; column < kColumns; ++column) {
        list.InsertColumn(column, frm_main::kProcessesColumns[column].header, 0);
        widths.push_back(stored[column].value_or(frm_main::kProcessesColumns[column].widthTwips));
    }
    SetColumnWidthsTwips(list, widths, dpi_);
    SetListViewFullRowSelect(list, true);
    SetListViewGridLines(list, true);
    SetListViewLabelTip(list, true);
}

void frmMain::SaveProcessesListLayout()
{
    SettingsStore().SaveColumnWidths(frm_main::kProcessesListName, ColumnWidthsTwips(processes_->View(), dpi_));
}
