#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include <utility>

#include "KeyShortcuts.h"
#include "KeyboardState.h"
#include "MessageLoop.h"
#include "StatusTexts.h"
#include "UnexaminedBox.h"
#include "actions/ActionTexts.h"
#include "actions/ListedProcessActions.h"
#include "platform/AppIdentity.h"
#include "platform/HostEnvironment.h"
#include "platform/SystemError.h"
#include "platform/files/FileNames.h"
#include "platform/processes/OwnProcess.h"
#include "platform/shell/Elevation.h"
#include "platform/text/TextOperations.h"
#include "platform/tray/TrayTooltip.h"
#include "platform/ui/AboutBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ContainerWindows.h"
#include "platform/ui/Dpi.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/UserFeedback.h"
#include "platform/ui/WindowPlacement.h"
#include "search/ModuleSearch.h"

using main_window::Control;

namespace {

constexpr const wchar_t* kWindowClass = L"VennickMain";
constexpr UINT_PTR kCommandLineTimer = 1;
constexpr UINT kCommandLineTimerPeriodMs = 1;
constexpr UINT kCopyCommand = 1;

}  // namespace

bool MainWindow::Create()
{
    // The frame gets its size once the window knows its own DPI (WM_CREATE).
    return CreateWindowOfClass(kWindowClass, 0, kMainWindowStyle, main_window::kCaption, CW_USEDEFAULT, CW_USEDEFAULT,
                               0, 0);
}

void MainWindow::Show()
{
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    SetFocus(ControlHandle(Control::SpecificationBox));
}

bool MainWindow::PreTranslateMessage(MSG& message)
{
    if (Handle() == nullptr) return false;
    const bool ours = message.hwnd == Handle() || IsChild(Handle(), message.hwnd);
    if (ours && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)) {
        int keyCode = static_cast<int>(message.wParam);
        const int shift = Seam<KeyboardState>::Current().ShiftMask(KeyMoment::OfMessage);
        RunGuarded([&] { OnKeyDown(keyCode, shift); });
        if (Handle() == nullptr || keyCode == 0) return true;  // Esc closed the window, or the key was taken
    }
    return IsDialogMessageW(Handle(), &message) != FALSE;
}

HWND MainWindow::ControlHandle(Control control) const { return GetDlgItem(Handle(), static_cast<int>(control)); }

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The tray icon sees every message first: its callback, the taskbar's restart, the
    // window's end.
    // A command's own message box may be up: then the restored window is only drawn.
    const auto pump = [this] {
        if (busy_) DispatchPaintAndSentMessages();
        else PumpWaitingMessages(*this);
    };
    if (tray_.HandleMessage(message, lParam, pump)) return 0;
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint handler covers the whole client area
    case WM_SIZE: OnSize(wParam); return 0;
    case WM_MOVE: OnMove(); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return 0;
        break;
    case DM_GETDEFID: return MAKELRESULT(static_cast<int>(shownDefault_), DC_HASDEFID);
    case WM_TIMER:
        if (wParam == kCommandLineTimer) OnCommandLineTimer();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) != ControlHandle(Control::Label) &&
            reinterpret_cast<HWND>(lParam) != ControlHandle(Control::Status)) {
            break;
        }
        return OnLabelColor(reinterpret_cast<HDC>(wParam));
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: OnColorsChanged(message, wParam, lParam); return 0;
    case WM_SETCURSOR:
        if (OnSetCursor()) return TRUE;
        break;
    default: break;
    }
    return Default(message, wParam, lParam);
}

void MainWindow::OnCreate()
{
    SetMessageOwner(Handle());
    MainWindowLayout::CreateControls(Handle());
    results_ = std::make_unique<ResultsListView>(ControlHandle(Control::ResultsList));
    layout_.Apply(Handle(), DpiOfWindow(Handle()));
    layout_.SizeFrame(Handle());  // before it is centred
    CentreOnWorkArea(Handle());
    if (!IsDebuggerAttached()) icons_ = SetWindowIcons(Handle(), kProgramIcon);
    ClipChildrenOfContainerWindows();
    results_->CreateColumns(layout_.Dpi());
    tray_.Attach(Handle(), LoadTrayIcon(kProgramIcon));
    // Elevated, the window still hears an Explorer that restarts with the user's rights.
    Seam<Elevation>::Current().AllowMessageFromFewerRights(Handle(), RegisterWindowMessageW(L"TaskbarCreated"));
    if (IsDebuggerAttached()) {
        SetWindowTextW(ControlHandle(Control::SpecificationBox), main_window::kSampleSpecification);
    }
    ApplyCommandLine();
    created_ = true;
}

// A command that waits lets the window answer meanwhile: it closes once the command has ended.
void MainWindow::OnClose()
{
    if (busy_) {
        closePending_ = true;
        return;
    }
    DestroyWindow(Handle());
}

void MainWindow::OnDestroy()
{
    SetMessageOwner(nullptr);
    if (!created_) return;  // a window whose creation failed has nothing to keep
    results_->SaveColumnWidths(layout_.Dpi());
    PostQuitMessage(0);
}

// Windows ends the process once this message has been answered, without destroying the
// window: the session's end is the program's end, as closing the window is.
void MainWindow::OnEndSession(bool ending)
{
    if (!ending) return;
    if (!busy_) {
        DestroyWindow(Handle());
        return;
    }
    results_->SaveColumnWidths(layout_.Dpi());  // the process may end before the command does
    closePending_ = true;
}

void MainWindow::ApplyCommandLine()
{
    if (!hasCommandLine_) return;
    SetWindowTextW(ControlHandle(Control::SpecificationBox), start_.specification.c_str());
    if (!SetTimer(Handle(), kCommandLineTimer, kCommandLineTimerPeriodMs, nullptr)) ThrowLastError(L"SetTimer");
}

void MainWindow::OnCommandLineTimer()
{
    if (busy_) return;  // its search waits for the command to end
    KillTimer(Handle(), kCommandLineTimer);  // one search per run
    OnSearchClicked(start_.contains);
}

void MainWindow::OnPaint()
{
    const PaintContext paint(Handle());
    const HDC dc = paint.Dc();
    // The background shows the desktop's pattern or wallpaper, aligned with the screen.
    PaintDesktop(dc);

    const RECT band = layout_.PixelRect(main_window::kBackgroundBand);
    const SelectedObject brush(dc, GetStockObject(DC_BRUSH));
    const SelectedObject pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, GetSysColor(COLOR_BTNFACE));
    SetDCPenColor(dc, GetSysColor(COLOR_BTNTEXT));
    Rectangle(dc, band.left, band.top, band.right, band.bottom);
    // The status band over it, as a status bar: its line on top only.
    const RECT status = layout_.PixelRect(main_window::kStatusBand);
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    Rectangle(dc, status.left - 1, status.top, status.right + 1, status.bottom + 1);
}

LRESULT MainWindow::OnLabelColor(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// A top-level window hands the system's colour and theme changes to its common controls.
// The band and the label take the system's colours whenever they are painted.
void MainWindow::OnColorsChanged(UINT message, WPARAM wParam, LPARAM lParam)
{
    results_->ChangeColors(message, wParam, lParam);
}

// The desktop's pattern stands still on the screen: a moved window must draw it anew.
void MainWindow::OnMove() { InvalidateRect(Handle(), nullptr, FALSE); }

void MainWindow::OnSize(WPARAM sizeKind)
{
    if (sizeKind == SIZE_MINIMIZED) {
        tray_.OnMinimized(TrayTooltip(main_window::kCaption, ControlText(Control::SpecificationBox)));
    } else {
        tray_.OnRestored();
    }
}

// The hourglass of a long command stays over the window whatever the pointer crosses.
bool MainWindow::OnSetCursor()
{
    if (!IsWaitCursorOn()) return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

void MainWindow::OnActivate(bool active)
{
    const HWND focus = GetFocus();
    if (!active) {
        if (focus != nullptr && IsChild(Handle(), focus)) focusedControl_ = focus;
        return;
    }
    const bool remembered = focusedControl_ != nullptr && IsWindow(focusedControl_) && IsWindowEnabled(focusedControl_);
    SetFocus(remembered ? focusedControl_ : ControlHandle(Control::SpecificationBox));
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    results_->ChangeDpi(layout_.Dpi(), dpi);
    layout_.Apply(Handle(), dpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnKeyDown(int& keyCode, int shift)
{
    // Every Enter is decided here and never reaches the dialog keys: Ctrl+Enter's press is
    // the one search it starts, with the contains test.
    const auto press = [&](HWND button) {
        keyCode = 0;  // taken first: a command that fails must not be pressed again by the dialog keys
        OnCommand(GetDlgCtrlID(button), BN_CLICKED, button);
    };
    switch (ShortcutFor(keyCode, shift)) {
    case WindowShortcut::ShowAbout: ShowAboutBox(L"", app::kAuthor); break;
    case WindowShortcut::Close: OnClose(); break;
    case WindowShortcut::PressDefaultButton: press(ControlHandle(DefaultButton())); break;
    case WindowShortcut::PressSearch: press(ControlHandle(Control::SearchButton)); break;
    case WindowShortcut::Ignore: keyCode = 0; break;
    // Elsewhere (the module specification box) Ctrl+C and Ctrl+A keep their own meaning.
    case WindowShortcut::CopyRows:
        if (GetFocus() != results_->Handle()) break;
        keyCode = 0;
        OnCopyRows();
        break;
    case WindowShortcut::SelectAllRows:
        if (GetFocus() != results_->Handle()) break;
        keyCode = 0;
        results_->View().SelectAllItems();
        break;
    case WindowShortcut::None: break;
    }
}

namespace {
constexpr Control kPushButtons[] = {Control::SearchButton, Control::SaveBatchButton, Control::TerminateButton,
                                    Control::RelaunchButton};
}  // namespace

Control MainWindow::DefaultButton() const
{
    const HWND focus = GetFocus();
    for (Control button : kPushButtons) {
        if (focus != nullptr && focus == ControlHandle(button)) return button;
    }
    return main_window::kDefaultButton;
}

void MainWindow::ShowAsDefault(Control button)
{
    shownDefault_ = button;
    for (Control other : kPushButtons) {
        SendMessageW(ControlHandle(other), BM_SETSTYLE, other == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void MainWindow::OnCommand(int id, int code, HWND control)
{
    if (id == static_cast<int>(Control::SpecificationBox)) {
        if (code == EN_CHANGE) OnSpecificationChanged();
        if (code == EN_SETFOCUS) OnSpecificationFocused();
        return;
    }
    if (code == BN_SETFOCUS) ShowAsDefault(DefaultButton());
    // A disabled button never clicks, whatever sent the command; nor does any while a command runs.
    if (code != BN_CLICKED || control == nullptr || !IsWindowEnabled(control) || busy_) return;
    {
        busy_ = true;
        const struct Done {
            bool& busy;
            ~Done() { busy = false; }
        } done{busy_};
        switch (static_cast<Control>(id)) {
        case Control::SearchButton: OnSearchClicked(); break;
        case Control::TerminateButton: TerminateListedProcesses(*results_); break;
        case Control::RelaunchButton: RelaunchListedPrograms(*results_, Handle()); break;
        case Control::SaveBatchButton: SaveRestartBatch(*results_, Handle()); break;
        case Control::UnexaminedButton: OnUnexaminedClicked(); break;
        case Control::ElevateButton: OnElevateClicked(); break;
        default: break;
        }
    }
    if (std::exchange(closePending_, false)) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void MainWindow::OnSearchClicked(bool contains)
{
    {
        const WaitCursor wait;
        const bool ctrlHeld = (Seam<KeyboardState>::Current().ShiftMask(KeyMoment::Now) & kCtrlMask) != 0;
        results_->Clear();
        ClearStatusBand();
        searchedSpecification_ = ControlText(Control::SpecificationBox);
        searchedMode_ = contains || ctrlHeld ? MatchMode::Contains : MatchMode::EndsWith;
        {
            const ListViewRedrawSuspended quiet(results_->Handle());
            searchOutcome_ = SearchModule(*results_, searchedSpecification_, searchedMode_);
        }
        const bool found = results_->Count() > 0;
        EnableControl(Control::TerminateButton, found);
        EnableControl(Control::RelaunchButton, found);
        EnableControl(Control::SaveBatchButton, found);
        ShowSearchOutcome();
    }
    DefaultBeep();
}

// Empty before the first search, and again as a search starts, as the list is.
void MainWindow::ClearStatusBand()
{
    SetWindowTextW(ControlHandle(Control::Status), L"");
    ShowControl(Control::UnexaminedButton, false);
    ShowControl(Control::ElevateButton, false);
}

void MainWindow::ShowSearchOutcome()
{
    const std::size_t unexamined = searchOutcome_.unexamined.size();
    const std::wstring summary = SearchSummary(results_->Count(), ProcessCount(*results_), unexamined);
    SetWindowTextW(ControlHandle(Control::Status), summary.c_str());
    ShowControl(Control::UnexaminedButton, unexamined > 0);
    // The copy this offer started never makes it again: where full rights see no more, it cannot loop.
    const bool refused = std::any_of(searchOutcome_.unexamined.begin(), searchOutcome_.unexamined.end(),
                                     [](const UnexaminedProcess& process) { return process.refused; });
    ShowControl(Control::ElevateButton, refused && !start_.fromOffer && !Seam<Elevation>::Current().IsElevated());
}

void MainWindow::OnUnexaminedClicked() { ShowUnexaminedBox(Handle(), UnexaminedList(searchOutcome_.unexamined)); }

// The same search once more, by a copy of the program with full rights, in this one's place.
void MainWindow::OnElevateClicked()
{
    results_->SaveColumnWidths(layout_.Dpi());
    const std::wstring program = OwnProgramPath();
    const DWORD started = Seam<Elevation>::Current().StartElevated(
        Handle(), program, OfferArguments(searchedSpecification_, searchedMode_ == MatchMode::Contains),
        CurrentDirectory());
    if (started == ERROR_SUCCESS) {
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        return;
    }
    if (started == ERROR_CANCELLED) return;  // the user said no
    ReportSystemError(started, MB_ICONSTOP, action_texts::RelaunchFailure(program));
}

void MainWindow::OnCopyRows()
{
    const std::vector<int> selected = results_->View().SelectedItems();
    if (selected.empty()) return;
    const std::vector<std::size_t> rows(selected.begin(), selected.end());
    const DWORD copied = PutTextOnClipboard(Handle(), RowsAsText(*results_, rows));
    if (copied != ERROR_SUCCESS) ReportSystemError(copied, MB_ICONSTOP, L"Не удаётся скопировать строки в буфер обмена.");
}

// The list's own menu: «Копировать», with the mouse or the keyboard (the menu key, Shift+F10).
bool MainWindow::OnContextMenu(HWND from, POINT at)
{
    if (from != results_->Handle()) return false;
    if (at.x == -1 && at.y == -1) at = results_->View().KeyboardMenuPoint();
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) ThrowLastError(L"CreatePopupMenu");
    const UINT state = results_->View().SelectedItems().empty() ? MF_GRAYED : MF_ENABLED;
    AppendMenuW(menu.get(), MF_STRING | state, kCopyCommand, L"Копировать\tCtrl+C");
    if (TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr) ==
        static_cast<BOOL>(kCopyCommand)) {
        OnCopyRows();
    }
    return true;
}

void MainWindow::OnSpecificationChanged()
{
    EnableControl(Control::SearchButton, GetWindowTextLengthW(ControlHandle(Control::SpecificationBox)) > 0);
}

// Typing replaces the previous specification.
void MainWindow::OnSpecificationFocused()
{
    SendMessageW(ControlHandle(Control::SpecificationBox), EM_SETSEL, 0, -1);
    ShowAsDefault(main_window::kDefaultButton);
}

void MainWindow::OnNotify(const NMHDR& notification)
{
    if (notification.code == NM_SETFOCUS && notification.hwndFrom == results_->Handle()) {
        ShowAsDefault(main_window::kDefaultButton);
    }
}

void MainWindow::ShowControl(Control control, bool show)
{
    const HWND handle = ControlHandle(control);
    // Keyboard focus on a hidden control would be lost: it goes to the box instead.
    if (!show && GetFocus() == handle) SetFocus(ControlHandle(Control::SpecificationBox));
    ShowWindow(handle, show ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::EnableControl(Control control, bool enable)
{
    const HWND handle = ControlHandle(control);
    // Keyboard focus on a disabled control would be lost: it goes to the box instead.
    if (!enable && GetFocus() == handle) SetFocus(ControlHandle(Control::SpecificationBox));
    EnableWindow(handle, enable ? TRUE : FALSE);
}

std::wstring MainWindow::ControlText(Control control) const
{
    const HWND handle = ControlHandle(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return text;
}
