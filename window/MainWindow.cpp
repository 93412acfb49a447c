#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "ElevatedCopy.h"
#include "KeyShortcuts.h"
#include "KeyboardState.h"
#include "MainWindowControls.h"
#include "MainWindowPainting.h"
#include "MessageLoop.h"
#include "ResultsListMenu.h"
#include "RowsCopy.h"
#include "SearchFailureReport.h"
#include "StatusBand.h"
#include "StatusTexts.h"
#include "UnexaminedBox.h"
#include "actions/ListedProcessActions.h"
#include "platform/AppIdentity.h"
#include "platform/HostEnvironment.h"
#include "platform/SystemError.h"
#include "platform/shell/Elevation.h"
#include "platform/tray/TrayTooltip.h"
#include "platform/ui/AboutBox.h"
#include "platform/ui/ContainerWindows.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/UserFeedback.h"
#include "search/ModuleSearch.h"

using main_window::Control;

namespace {

constexpr const wchar_t* kWindowClass = L"VennickMain";
constexpr UINT_PTR kCommandLineTimer = 1;
constexpr UINT kCommandLineTimerPeriodMs = 1;

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

HWND MainWindow::ControlHandle(Control control) const { return ControlOf(Handle(), control); }

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The tray icon sees every message first: its callback, the taskbar's restart, the window's end.
    if (tray_.HandleMessage(message, lParam)) return 0;
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
    case WM_CONTEXTMENU: return OnContextMenu(wParam, lParam);
    case DM_GETDEFID: return defaultButton_.Id();
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_CTLCOLORSTATIC: return OnStaticColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: OnColorsChanged(message, wParam, lParam); return 0;
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    default: break;
    }
    return Default(message, wParam, lParam);
}

void MainWindow::OnCreate()
{
    SetMessageOwner(Handle());
    layout_.Build(Handle());
    results_ = std::make_unique<ResultsListView>(ControlHandle(Control::ResultsList));
    if (!IsDebuggerAttached()) icons_ = SetWindowIcons(Handle(), kProgramIcon, layout_.Dpi());
    ClipChildrenOfContainerWindows();
    results_->CreateColumns(layout_.Dpi());
    tray_.Attach(Handle(), LoadTrayIcon(kProgramIcon), [this] { OnRestoringFromTray(); });
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
    if (busy_) closePending_ = true;
    else DestroyWindow(Handle());
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
    if (busy_) results_->SaveColumnWidths(layout_.Dpi());  // the process may end before the command does
    OnClose();
}

void MainWindow::ApplyCommandLine()
{
    if (!hasCommandLine_) return;
    SetWindowTextW(ControlHandle(Control::SpecificationBox), start_.specification.c_str());
    if (!SetTimer(Handle(), kCommandLineTimer, kCommandLineTimerPeriodMs, nullptr)) ThrowLastError(L"SetTimer");
}

void MainWindow::OnTimer(UINT_PTR timer)
{
    if (timer != kCommandLineTimer || busy_) return;  // its search waits for the command to end
    KillTimer(Handle(), kCommandLineTimer);  // one search per run
    OnSearchClicked(start_.contains);
}

void MainWindow::OnPaint()
{
    const PaintContext paint(Handle());
    PaintMainWindow(paint.Dc(), layout_);
}

LRESULT MainWindow::OnStaticColor(HWND control, HDC dc)
{
    if (control == ControlHandle(Control::Label) || control == ControlHandle(Control::Status)) return TextOnBandColors(dc);
    return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

// A command's own message box may be up while the window comes back: then it is only drawn.
void MainWindow::OnRestoringFromTray()
{
    if (busy_) DispatchPaintAndSentMessages();
    else PumpWaitingMessages(*this);
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
        tray_.OnMinimized(TrayTooltip(main_window::kCaption, ControlText(Handle(), Control::SpecificationBox)));
    } else {
        tray_.OnRestored();
    }
}

// The hourglass of a long command stays over the window whatever the pointer crosses.
LRESULT MainWindow::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (!IsWaitCursorOn()) return Default(WM_SETCURSOR, wParam, lParam);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
}

void MainWindow::OnActivate(bool active)
{
    if (active) focus_.OnActivated(Handle());
    else focus_.OnDeactivated(Handle());
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    results_->ChangeDpi(layout_.Dpi(), dpi);
    layout_.Apply(Handle(), dpi);
    if (!IsDebuggerAttached()) icons_ = SetWindowIcons(Handle(), kProgramIcon, dpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnKeyDown(int& keyCode, int shift)
{
    // Every Enter is decided here and never reaches the dialog keys: Ctrl+Enter's press is
    // the one search it starts. The key is taken first: a command that fails must not be
    // pressed again by the dialog keys.
    const bool inList = GetFocus() == results_->Handle();  // elsewhere Ctrl+C and Ctrl+A keep their own meaning
    switch (ShortcutFor(keyCode, shift)) {
    case WindowShortcut::ShowAbout: ShowAboutBox(L"", app::kAuthor); break;
    case WindowShortcut::Close: OnClose(); break;
    case WindowShortcut::PressDefaultButton: keyCode = 0, OnButtonClicked(DefaultButton::Current(Handle())); break;
    case WindowShortcut::PressSearch: keyCode = 0, OnButtonClicked(Control::SearchButton); break;
    case WindowShortcut::Ignore: keyCode = 0; break;
    case WindowShortcut::CopyRows:
        if (inList) keyCode = 0, CopySelectedRows(Handle(), *results_);
        break;
    case WindowShortcut::SelectAllRows:
        if (inList) keyCode = 0, results_->View().SelectAllItems();
        break;
    case WindowShortcut::None: break;
    }
}

void MainWindow::OnCommand(int id, int code, HWND control)
{
    if (id == static_cast<int>(Control::SpecificationBox)) {
        if (code == EN_CHANGE) OnSpecificationChanged();
        if (code == EN_SETFOCUS) OnSpecificationFocused();
        return;
    }
    if (code == BN_SETFOCUS) defaultButton_.Show(Handle(), DefaultButton::Current(Handle()));
    if (code == BN_CLICKED && control != nullptr) OnButtonClicked(static_cast<Control>(id));
}

// A disabled button never clicks, whatever sent the command; nor does any while a command runs.
void MainWindow::OnButtonClicked(Control button)
{
    if (!IsWindowEnabled(ControlHandle(button)) || busy_) return;
    {
        const BusyScope busy(busy_);
        switch (button) {
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
        ClearStatusBand(Handle());
        searchedSpecification_ = ControlText(Handle(), Control::SpecificationBox);
        searchedMode_ = contains || ctrlHeld ? MatchMode::Contains : MatchMode::EndsWith;
        {
            const ListViewRedrawSuspended quiet(results_->Handle());
            searchOutcome_ = SearchModule(*results_, searchedSpecification_, searchedMode_);
        }
        if (searchOutcome_.listingFailure) ReportListingFailure(*searchOutcome_.listingFailure);
        for (const Control action : {Control::TerminateButton, Control::RelaunchButton, Control::SaveBatchButton}) {
            EnableControl(Handle(), action, results_->Count() > 0);
        }
        ShowSearchOutcome(Handle(), *results_, searchOutcome_, start_.fromOffer);
    }
    DefaultBeep();
}

void MainWindow::OnUnexaminedClicked() { ShowUnexaminedBox(Handle(), UnexaminedList(searchOutcome_.unexamined)); }

// The same search once more, by a copy of the program with full rights, in this one's place.
void MainWindow::OnElevateClicked()
{
    results_->SaveColumnWidths(layout_.Dpi());
    if (StartElevatedCopy(Handle(), searchedSpecification_, searchedMode_)) SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

LRESULT MainWindow::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(wParam) != results_->Handle()) return Default(WM_CONTEXTMENU, wParam, lParam);
    switch (ShowResultsListMenu(Handle(), *results_, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
    case ResultsListCommand::Copy: CopySelectedRows(Handle(), *results_); break;
    case ResultsListCommand::KeepOldCopies: OnKeepOldCopies(); break;
    case ResultsListCommand::None: break;
    }
    return 0;
}

// The actions then act on what remains; the band's found counts follow, what could not be examined stays.
void MainWindow::OnKeepOldCopies()
{
    results_->KeepOnly(RunsOldCopy);
    ShowSearchOutcome(Handle(), *results_, searchOutcome_, start_.fromOffer);
}

void MainWindow::OnSpecificationChanged()
{
    EnableControl(Handle(), Control::SearchButton, GetWindowTextLengthW(ControlHandle(Control::SpecificationBox)) > 0);
}

// Typing replaces the previous specification.
void MainWindow::OnSpecificationFocused()
{
    SendMessageW(ControlHandle(Control::SpecificationBox), EM_SETSEL, 0, -1);
    defaultButton_.Show(Handle(), main_window::kDefaultButton);
}

void MainWindow::OnNotify(const NMHDR& notification)
{
    if (notification.code == NM_SETFOCUS && notification.hwndFrom == results_->Handle()) {
        defaultButton_.Show(Handle(), main_window::kDefaultButton);
    }
}
