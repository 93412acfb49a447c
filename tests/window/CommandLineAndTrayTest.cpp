// The command line and the tray icon of the real main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "fixtures/HelperProcess.h"
#include "fixtures/MainWindowHarness.h"

namespace {

using Control = frm_main::Control;

class CommandLine : public MainWindowHarness {
protected:
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq15\\cmdline_xq15.dll");
    HelperProcess helper{std::vector<std::wstring>{module}};
};

class Tray : public MainWindowHarness {
protected:
    void Minimize()
    {
        ShowWindow(form->Handle(), SW_MINIMIZE);
        Pump();
    }
    void ActivateIcon(UINT mouseMessage = WM_LBUTTONUP)
    {
        SendMessageW(form->Handle(), TrayIcon::kCallbackMessage, 1, mouseMessage);
        Pump();
    }
    // Shown, restored and in front, with the icon gone.
    void ExpectWindowBack(const char* when)
    {
        EXPECT_TRUE(IsWindowVisible(form->Handle()) && !IsIconic(form->Handle())) << when;
        EXPECT_EQ(GetForegroundWindow(), form->Handle()) << when;
        EXPECT_FALSE(form->stMain().IconVisible()) << when;
    }
};

}  // namespace

TEST_F(CommandLine, TheTrimmedSpecificationIsSearchedOnceWhenTheWindowIsUpAndReplacesADevelopmentRunsSample)
{
    struct Case {
        const wchar_t* commandLine;
        bool controlDown, inIde;
        const wchar_t* box;
        int searches, rows;  // rows -1: more than one
    };
    const Case cases[] = {
        {L"", false, false, L"", 0, 0},
        {L"  cmdline_xq15.dll \t ", false, false, L"cmdline_xq15.dll", 1, 1},
        {L"\"cmdline_xq15.dll\"", false, false, L"cmdline_xq15.dll", 1, 1},
        {L"\" \t \"", false, false, L"", 1, -1},  // trims to nothing: every module path ends with ""
        {L"\\lib_xq15\\", true, false, L"\\lib_xq15\\", 1, 1},  // Ctrl held: the contains test
        {L"", false, true, L"Mereholt0301.DLL", 0, 0},  // a development run shows a sample
        {L"cmdline_xq15.dll", false, true, L"cmdline_xq15.dll", 1, 1},  // which the command line replaces
    };
    for (const Case& c : cases) {
        keyboard.controlDown = c.controlDown;
        host.inIde = c.inIde;
        feedback.events.clear();
        Open(c.commandLine);
        EXPECT_EQ(TextOf(Control::txtModuleSpec), c.box) << c.commandLine;
        EXPECT_EQ(IsEnabled(Control::cmdSearch), *c.box != L'\0') << c.commandLine;
        for (const ULONGLONG end = GetTickCount64() + 300; GetTickCount64() < end;) Pump();
        EXPECT_EQ(feedback.Beeps(), c.searches) << c.commandLine << ": the timer fires once";
        const int rows = form->lvProcesses().RowCount();
        EXPECT_TRUE(c.rows < 0 ? rows > 1 : rows == c.rows) << c.commandLine << ": " << rows << " rows";
        if (rows == 1) {
            EXPECT_EQ(form->lvProcesses().SubItem(1, 2), module);
        }
        // A development run's window keeps the development environment's icons.
        EXPECT_EQ(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0) != 0, !c.inIde) << c.commandLine;
        form.reset();
        Pump();
    }
}

TEST_F(CommandLine, TheRealProgramStartedFromAQuotedPathWithSpaces)
{
    const std::wstring program = folder.Copy(BuildFolder() + L"vennick.exe", L"My Tools xq15\\vennick.exe");
    const StartedProcess running = StartProcess(program, L"\"" + program + L"\"  cmdline_xq15.dll  ");
    HWND window = nullptr, list = nullptr;
    for (int attempt = 0; attempt < 200 && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0; ++attempt, Sleep(50)) {
        window = FindWindowW(L"VennickMain", nullptr);
        list = GetDlgItem(window, static_cast<int>(Control::lvProcesses));
    }
    wchar_t text[64] = {};
    // WM_GETTEXT itself: GetWindowText does not ask another process's edit box.
    SendMessageW(GetDlgItem(window, static_cast<int>(Control::txtModuleSpec)), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"cmdline_xq15.dll");
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(running.handle.get(), 15'000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(running.handle.get(), &code);
    EXPECT_EQ(code, 0u);
}

TEST_F(Tray, MinimizingHidesTheWindowBehindTheIconAndActivatingItBringsTheWindowBack)
{
    Open();
    Minimize();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    ASSERT_FALSE(notificationArea.changes.empty());
    EXPECT_EQ(notificationArea.changes[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(notificationArea.changes[0].tip, L"Vennick");
    // A click and a minimize that wait in the queue run inside the restore's pass of the
    // waiting messages: neither may lose the window.
    PostMessageW(form->Handle(), TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
    PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ActivateIcon();
    ExpectWindowBack("a click and a minimize during the restore");

    for (const UINT activation : {UINT{WM_LBUTTONUP}, UINT{NIN_KEYSELECT}}) {
        SetSpecification(std::wstring(300, L'm'));
        Minimize();
        ActivateIcon(activation);
        ExpectWindowBack(activation == WM_LBUTTONUP ? "a click" : "the keyboard");
        EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE));
    }
    Minimize();
    // The tooltip is computed anew, and a long one is cut to what the shell takes.
    EXPECT_EQ(notificationArea.changes.back().tip, L"Vennick :: " + std::wstring(115, L'm') + L"\u2026");

    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE)) << "the icon goes with the window";
}

TEST_F(Tray, ANewTaskbarGetsTheIconBackOrRefusingItGivesTheWindowBack)
{
    Open();
    Minimize();
    // A new taskbar knows none of the old icons.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = form->Handle();
    gone.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    const std::size_t before = notificationArea.changes.size();
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageW(form->Handle(), taskbarCreated, 0, 0);
    ASSERT_EQ(notificationArea.changes.size(), before + 2);
    EXPECT_EQ(notificationArea.changes[before].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(notificationArea.changes[before + 1].message, static_cast<DWORD>(NIM_SETVERSION))
        << "keyboard selection keeps working";
    EXPECT_FALSE(IsWindowVisible(form->Handle()));

    notificationArea.refuse = true;
    SendMessageW(form->Handle(), taskbarCreated, 0, 0);
    Pump();
    ExpectWindowBack("hidden without an icon, it could never come back");
}

TEST_F(Tray, WithoutANotificationAreaTheWindowStaysOnTheTaskbar)
{
    notificationArea.refuse = true;
    Open();
    Minimize();
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "hidden, it could never come back";
    EXPECT_TRUE(IsIconic(form->Handle()));
    EXPECT_FALSE(form->stMain().IconVisible());
}
