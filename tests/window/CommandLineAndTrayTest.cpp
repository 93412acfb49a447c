// The command line and the tray icon of the real main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "fixtures/HelperProcess.h"
#include "fixtures/MainWindowHarness.h"
#include "fixtures/RunningProgram.h"
#include "search/modPackProcessInfo.h"

namespace {

using Control = frm_main::Control;

class CommandLine : public MainWindowHarness {
protected:
    void SetUp() override
    {
        MainWindowHarness::SetUp();
        helper.emplace(std::vector<std::wstring>{module});
    }
    void TearDown() override
    {
        helper.reset();
        MainWindowHarness::TearDown();
    }

    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq15\\cmdline_xq15.dll");
    std::optional<HelperProcess> helper;
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
};

}  // namespace

TEST_F(CommandLine, WithoutOneNothingHappens)
{
    Open();
    PumpFor(200);
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"");
    EXPECT_FALSE(IsEnabled(Control::cmdSearch));
    EXPECT_TRUE(feedback.events.empty()) << "no search";
}

TEST_F(CommandLine, TheTrimmedSpecificationIsSearchedOnceTheWindowIsUp)
{
    Open(L"  cmdline_xq15.dll \t ");
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"cmdline_xq15.dll");
    EXPECT_TRUE(IsEnabled(Control::cmdSearch));
    PumpFor(200);
    ASSERT_EQ(form->lvProcesses().RowCount(), 1);
    EXPECT_EQ(UnpackProcessID(form->lvProcesses().Tag(1)), static_cast<std::int32_t>(helper->Id()));
    EXPECT_EQ(feedback.Beeps(), 1);
    PumpFor(200);
    EXPECT_EQ(feedback.Beeps(), 1) << "the timer fires once";
}

TEST_F(CommandLine, AQuotedSpecificationLosesItsQuotes)
{
    Open(L"\"cmdline_xq15.dll\"");
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"cmdline_xq15.dll");
    PumpFor(200);
    EXPECT_EQ(form->lvProcesses().RowCount(), 1);
}

TEST_F(CommandLine, OneThatTrimsToNothingStillSearchesOnce)
{
    Open(L"\" \t \"");
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"");
    EXPECT_FALSE(IsEnabled(Control::cmdSearch));
    PumpFor(300);
    EXPECT_EQ(feedback.Beeps(), 1) << "the search runs with the empty specification";
    EXPECT_GT(form->lvProcesses().RowCount(), 1) << "which ends every module path";
}

TEST_F(CommandLine, CtrlHeldTurnsItIntoTheContainsTest)
{
    keyboard.controlDown = true;
    Open(L"\\lib_xq15\\");
    PumpFor(200);
    ASSERT_EQ(form->lvProcesses().RowCount(), 1);
    EXPECT_EQ(form->lvProcesses().SubItem(1, 2), module);
}

TEST_F(CommandLine, ItReplacesTheSampleOfADevelopmentRun)
{
    host.inIde = true;
    Open(L"cmdline_xq15.dll");
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"cmdline_xq15.dll");
    PumpFor(200);
    EXPECT_EQ(form->lvProcesses().RowCount(), 1);
}

TEST_F(CommandLine, TheRealProgramStartedFromAQuotedPathWithSpaces)
{
    const std::wstring program = folder.Copy(RunningProgram::ProgramPath(), L"My Tools xq15\\vennick.exe");
    RunningProgram running(L"  cmdline_xq15.dll  ", program);
    wchar_t text[64] = {};
    // WM_GETTEXT itself: GetWindowText does not ask another process's edit box.
    SendMessageW(running.ControlHandle(Control::txtModuleSpec), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"cmdline_xq15.dll");
    const HWND list = running.ControlHandle(Control::lvProcesses);
    for (int attempt = 0; attempt < 100 && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0; ++attempt) Sleep(50);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(running.Close(), 0u);
}

TEST_F(Tray, MinimizingHidesTheWindowBehindTheIconWithTheCaptionAsTooltip)
{
    Open();
    Minimize();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->stMain().IconVisible());
    EXPECT_EQ(form->stMain().Text(), L"Vennick");
    ASSERT_FALSE(notificationArea.changes.empty());
    EXPECT_EQ(notificationArea.changes[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(notificationArea.changes[0].tip, L"Vennick");
}

TEST_F(Tray, ActivatingTheIconBringsTheWindowBackInFrontAndRemovesTheIcon)
{
    Open();
    SetSpecification(L"kernel32.dll");
    Minimize();
    EXPECT_EQ(form->stMain().Text(), L"Vennick :: kernel32.dll");

    ActivateIcon();

    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_EQ(GetForegroundWindow(), form->Handle());
    EXPECT_FALSE(form->stMain().IconVisible());
    EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE));

    ActivateIcon(WM_LBUTTONDBLCLK);
    EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE)) << "no icon, nothing to do";

    SetSpecification(L"user32.dll");
    Minimize();
    EXPECT_EQ(form->stMain().Text(), L"Vennick :: user32.dll") << "the tooltip is computed anew";
    ActivateIcon(NIN_KEYSELECT);
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "selected with the keyboard";
}

TEST_F(Tray, AClickOrAMinimizeDuringTheRestoreCannotLoseTheWindow)
{
    Open();
    Minimize();
    // Both wait in the queue and run inside the restore's pass of the waiting messages.
    PostMessageW(form->Handle(), TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
    PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ActivateIcon();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_EQ(GetForegroundWindow(), form->Handle());
    EXPECT_FALSE(form->stMain().IconVisible());
}

TEST_F(Tray, AnIconTheNewTaskbarRefusesGivesTheWindowBack)
{
    Open();
    Minimize();
    notificationArea.refuse = true;
    SendMessageW(form->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Pump();
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "hidden without an icon, it could never come back";
    EXPECT_FALSE(IsIconic(form->Handle()));
}

TEST_F(Tray, AVeryLongSpecificationIsCutInTheTooltip)
{
    Open();
    const std::wstring spec(300, L'm');
    SetSpecification(spec);
    Minimize();
    EXPECT_EQ(form->stMain().Text(), L"Vennick :: " + spec);
    const std::wstring tip = notificationArea.changes.at(0).tip;
    EXPECT_EQ(tip.size(), 127u);
    EXPECT_EQ(tip.substr(0, 11), L"Vennick :: ");
    EXPECT_EQ(tip.back(), L'\u2026');
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

TEST_F(Tray, TheIconComesBackWhenTheTaskbarIsRecreatedAndNeverOutlivesTheWindow)
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
    SendMessageW(form->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_EQ(notificationArea.changes.size(), before + 2);
    EXPECT_EQ(notificationArea.changes[before].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(notificationArea.changes[before + 1].message, static_cast<DWORD>(NIM_SETVERSION))
        << "keyboard selection keeps working";

    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE));
}
