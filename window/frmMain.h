#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ListViewResultsList.h"
#include "frmMainLayout.h"
#include "platform/support/WindowIcons.h"
#include "platform/tray/TrayIcon.h"
#include "platform/win/ComApartment.h"
#include "platform/win/UniqueResource.h"
#include "platform/win/Window.h"

// The program's one window: the module specification box, the search button, the results
// list and the three action buttons. All of its state lives here; its window procedure
// only hands each message to the handler named after the control and the event.
class frmMain final : public Window {
public:
    // `commandLine`: the text after the program's name (CommandLineArguments).
    explicit frmMain(std::wstring commandLine = L"") : commandLine_(std::move(commandLine)) {}
    ~frmMain() override { DestroyWithoutHandlers(); }

    // Creates the window and its controls and runs the load handler; the window is not
    // visible yet. False when the window could not be created.
    bool Load();
    // Shows the window with the focus in the module specification box.
    void Show();

    // Called by the message loop for every message before it is dispatched: gives the
    // window's key handler every key first (key preview), then the dialog keys (Tab, the
    // arrows). True when the message needs no dispatching.
    bool PreTranslateMessage(MSG& message);

    HWND ControlHandle(frm_main::Control control) const;
    ResultsList& lvProcesses() { return *processes_; }
    const TrayIcon& stMain() const { return stMain_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Handlers.
    void Form_Create();  // the controls, their layout, then the load handler
    void Form_Load();
    void Form_Destroy();
    void Form_Unload();
    void Form_EndSession(bool ending);
    void Form_Paint();
    void Form_Move();
    void Form_Resize(WPARAM sizeKind);
    // Sets `keyCode` to 0 when the window took the key (every Enter).
    void Form_KeyDown(int& keyCode, int shift);
    void Form_Activate(bool active);
    void Form_DpiChanged(UINT dpi, const RECT& suggested);
    bool Form_SetCursor();  // true when it set the pointer
    void cmdSearch_Click();
    void txtModuleSpec_Change();
    void txtModuleSpec_GotFocus();
    LRESULT lblTag_CtlColor(HDC dc);
    void tmrActonFromCommandLine_Timer();
    bool stMain_Message(UINT message, LPARAM lParam);  // true when the message was the icon's
    void stMain_IconActivated();
    void OnCommand(int id, int code, HWND control);

    // The button a plain Enter presses.
    HWND DefaultButton() const;

    // The module specification on the command line goes into the box, and the one-shot timer
    // searches with it as soon as the window is up.
    void ApplyCommandLine();

    // The results list's columns, styles and saved widths.
    void InitProcessesList();
    void SaveProcessesListLayout();

    void CreateControls();
    void ApplyLayout(UINT dpi);
    void SizeFrameToLayout();
    void RestoreFromTray();
    void EnableControl(frm_main::Control control, bool enable);
    std::wstring ControlText(frm_main::Control control) const;
    RECT PixelRect(const frm_main::TwipRect& place) const;

    ComApartment apartment_;  // first in, last out: it outlives the window
    std::wstring commandLine_;
    TrayIcon stMain_;
    WindowIcons icons_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    UniqueGdiObject font_;
    std::unique_ptr<ListViewResultsList> processes_;
    HWND focusedControl_ = nullptr;  // given back when the window is activated again
    bool loaded_ = false;            // the load handler ran to its end
    bool restoringFromTray_ = false;
};
