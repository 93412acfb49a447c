#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "CommandLine.h"
#include "DefaultButton.h"
#include "FocusMemory.h"
#include "MainWindowDesign.h"
#include "MainWindowLayout.h"
#include "ResultsListView.h"
#include "TrayMinimizer.h"
#include "platform/shell/ComApartment.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowIcons.h"
#include "search/ModuleMatch.h"
#include "search/SearchOutcome.h"

// The program's one window: the module specification box, the search button, the results
// list, the three action buttons and the status band. All of its state lives here; its
// window procedure only hands each message to its handler.
class MainWindow final : public Window {
public:
    // `commandLine`: the text after the program's name (CommandLineArguments).
    explicit MainWindow(const std::wstring& commandLine = L"")
        : start_(ParseCommandLine(commandLine)), hasCommandLine_(!commandLine.empty())
    {
    }
    ~MainWindow() override
    {
        tray_.Detach();
        DestroyWithoutHandlers();
    }

    // Creates the window and its controls and prepares their contents; the window is not
    // visible yet. False when the window could not be created.
    bool Create();
    // Shows the window with the focus in the module specification box.
    void Show();

    // Called by the message loop for every message before it is dispatched: gives the
    // window's key handler every key first (key preview), then the dialog keys (Tab, the
    // arrows). True when the message needs no dispatching.
    bool PreTranslateMessage(MSG& message);

    HWND ControlHandle(main_window::Control control) const;
    ResultsList& Results() { return *results_; }
    const TrayIcon& Tray() const { return tray_.Icon(); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnCreate();
    void OnClose();
    void OnDestroy();
    void OnEndSession(bool ending);
    void OnPaint();
    void OnMove();
    void OnSize(WPARAM sizeKind);
    // Sets `keyCode` to 0 when the window took the key (every Enter).
    void OnKeyDown(int& keyCode, int shift);
    void OnActivate(bool active);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnStaticColor(HWND control, HDC dc);
    void OnColorsChanged(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code, HWND control);
    void OnButtonClicked(main_window::Control button);
    void OnNotify(const NMHDR& notification);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    // `contains`: the contains test whatever the keyboard says (the command line's /contains).
    void OnSearchClicked(bool contains = false);
    void OnUnexaminedClicked();
    void OnElevateClicked();
    void OnKeepOldCopies();
    void OnSpecificationChanged();
    void OnSpecificationFocused();
    void OnTimer(UINT_PTR timer);
    // The window comes back from the tray: the messages waiting in the queue run once.
    void OnRestoringFromTray();

    // The module specification on the command line goes into the box, and a one-shot timer
    // searches with it as soon as the window is up.
    void ApplyCommandLine();

    // A command runs while it lives; a command may let the window answer while it waits.
    struct BusyScope {
        explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
        ~BusyScope() { busy_ = false; }
        bool& busy_;
    };

    ComApartment apartment_;  // first in, last out: it outlives the window
    StartRequest start_;
    bool hasCommandLine_;
    // The last search: what it looked for, and what it could not examine.
    std::wstring searchedSpecification_;
    MatchMode searchedMode_ = MatchMode::EndsWith;
    SearchOutcome searchOutcome_;
    MainWindowLayout layout_;
    TrayMinimizer tray_;
    WindowIcons icons_;
    std::unique_ptr<ResultsListView> results_;
    DefaultButton defaultButton_;
    FocusMemory focus_;
    bool created_ = false;           // its creation ran to its end: there is something to keep
    bool busy_ = false;
    bool closePending_ = false;      // closed while busy: it closes once the command has ended
};
