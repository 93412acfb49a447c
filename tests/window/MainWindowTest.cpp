// The main window, created for real in the test process and driven with messages; its
// command line, also of the real program started as a user starts it; its tray icon.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "fixtures/HelperProcess.h"
#include "fixtures/MainWindowHarness.h"
#include "platform/AppIdentity.h"
#include "platform/win/Dpi.h"
#include "platform/win/Registry.h"
#include "window/KeyShortcuts.h"

namespace {

using Control = frm_main::Control;

constexpr Control kActionButtons[] = {Control::cmdSaveBAT, Control::cmdKill, Control::cmdLaunch};
constexpr const wchar_t* kWidthsKey = L"Software\\Quorvel\\Vennick\\Processes List";

std::optional<DWORD> StoredWidth(const wchar_t* name)
{
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, kWidthsKey);
    return key ? ReadRegistryDword(key.get(), name) : std::nullopt;
}

// The design's pixels at the DPIs the tests run at (15, 12, 10 and 7.5 twips a pixel), the
// controls in tab order.
struct DpiLayout {
    UINT dpi;
    SIZE client;
    LONG fontHeight;
    int smallIcon, bigIcon;
    RECT controls[std::size(frm_main::kControls)];
    int columns[std::size(frm_main::kProcessesColumns)];
};
constexpr DpiLayout kLayouts[] = {
    {96, {497, 397}, -12, 16, 32,
     {{12, 8, 125, 22}, {8, 24, 397, 49}, {404, 24, 489, 49}, {8, 56, 489, 353}, {200, 360, 305, 389},
      {312, 360, 397, 389}, {404, 360, 489, 389}},
     {163, 106, 427}},
    {120, {621, 496}, -15, 20, 40,
     {{15, 10, 156, 28}, {10, 30, 496, 61}, {505, 30, 611, 61}, {10, 70, 611, 441}, {250, 450, 381, 486},
      {390, 450, 496, 486}, {505, 450, 611, 486}},
     {204, 133, 533}},
    {144, {746, 596}, -18, 24, 48,
     {{18, 12, 188, 33}, {12, 36, 596, 74}, {606, 36, 734, 74}, {12, 84, 734, 530}, {300, 540, 458, 584},
      {468, 540, 596, 584}, {606, 540, 734, 584}},
     {245, 159, 640}},
    {192, {994, 794}, -24, 32, 64,
     {{24, 16, 250, 44}, {16, 48, 794, 98}, {808, 48, 978, 98}, {16, 112, 978, 706}, {400, 720, 610, 778},
      {624, 720, 794, 778}, {808, 720, 978, 778}},
     {326, 212, 853}},
};

auto Corners(const RECT& rect) { return std::tuple(rect.left, rect.top, rect.right, rect.bottom); }

int IconWidth(HWND window, WPARAM which)
{
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &info)) return 0;
    const UniqueGdiObject mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

}  // namespace

class MainWindow : public MainWindowHarness {
protected:
    // Column widths scaled from another DPI's pixels may round one pixel off the design.
    void ExpectLayout(const DpiLayout& expected, int columnSlack = 0)
    {
        for (std::size_t i = 0; i < std::size(expected.columns); ++i) {
            const auto width = static_cast<int>(SendMessageW(Handle(Control::lvProcesses), LVM_GETCOLUMNWIDTH, i, 0));
            EXPECT_NEAR(width, expected.columns[i], columnSlack) << expected.dpi << " dpi, column " << i;
        }
        RECT client{};
        GetClientRect(form->Handle(), &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(expected.client.cx, expected.client.cy));
        for (std::size_t i = 0; i < std::size(frm_main::kControls); ++i) {
            const HWND control = Handle(frm_main::kControls[i].id);
            RECT actual{};
            GetWindowRect(control, &actual);
            MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(Corners(actual), Corners(expected.controls[i])) << expected.dpi << " dpi, control " << i;
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfHeight, expected.fontHeight) << expected.dpi << " dpi, control " << i;
        }
    }
};

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

TEST_F(MainWindow, StartsCentredWithEveryButtonDisabledAndTheFocusInTheBoxWhichSelectsItsTextOnFocus)
{
    Open();
    EXPECT_EQ(GetFocus(), Handle(Control::txtModuleSpec));
    for (Control button : {Control::cmdSearch, Control::cmdSaveBAT, Control::cmdKill, Control::cmdLaunch}) {
        EXPECT_FALSE(IsEnabled(button)) << static_cast<int>(button);
    }
    const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX), WS_MINIMIZEBOX);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    EXPECT_NEAR(frame.left + frame.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(frame.top + frame.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    TypeText(L"k");
    EXPECT_TRUE(IsEnabled(Control::cmdSearch));
    TypeText(L"\b");
    EXPECT_FALSE(IsEnabled(Control::cmdSearch));
    TypeText(L" ");
    EXPECT_TRUE(IsEnabled(Control::cmdSearch)) << "a blank is a specification too";

    SetSpecification(L"kernel32.dll");
    SetFocus(Handle(Control::lvProcesses));
    SetFocus(Handle(Control::txtModuleSpec));
    DWORD start = 1, end = 0;
    SendMessageW(Handle(Control::txtModuleSpec), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::pair(start, end), std::pair(0ul, 12ul));

    // Activated again, the window gives the focus back to the control that had it.
    SetFocus(Handle(Control::lvProcesses));
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
    SetActiveWindow(other);
    Pump();
    SetActiveWindow(form->Handle());
    Pump();
    EXPECT_EQ(GetFocus(), Handle(Control::lvProcesses));
    DestroyWindow(other);
}

TEST_F(MainWindow, LayoutFontAndIconsAreTheDesignAtTheWindowsDpi)
{
    Open();
    const UINT dpi = DpiOfWindow(form->Handle());
    if (const char* wanted = std::getenv("VENNICK_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, std::stoul(wanted)) << "the screen's DPI did not reach the window";
    }
    const auto layout = std::find_if(std::begin(kLayouts), std::end(kLayouts), [&](auto& l) { return l.dpi == dpi; });
    ASSERT_NE(layout, std::end(kLayouts)) << dpi << " dpi has no table";
    ExpectLayout(*layout);
    EXPECT_EQ(IconWidth(form->Handle(), ICON_SMALL), layout->smallIcon);
    EXPECT_EQ(IconWidth(form->Handle(), ICON_BIG), layout->bigIcon);

    // Moved to a monitor of another DPI: the system suggests the frame of that DPI.
    const DpiLayout& other = kLayouts[(layout - kLayouts + 1) % std::size(kLayouts)];
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    frame.right += other.client.cx - layout->client.cx;
    frame.bottom += other.client.cy - layout->client.cy;
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(other.dpi, other.dpi), reinterpret_cast<LPARAM>(&frame));
    ExpectLayout(other, 1);

    const auto small = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0));
    form.reset();
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(small, &info)) << "the window's icons go with it";
}

TEST_F(MainWindow, TheBackgroundIsDrawnAnewAfterAMoveWithTheBandOverIt)
{
    Open();
    ValidateRect(form->Handle(), nullptr);
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    SetWindowPos(form->Handle(), nullptr, frame.left + 9, frame.top + 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT update{}, client{};
    GetUpdateRect(form->Handle(), &update, FALSE);
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(Corners(update), Corners(client)) << "the desktop's pattern stays aligned with the screen";

    // The band behind the label (2235 twips wide, at 96 dpi 149 pixels): button face,
    // its right-hand edge a button-text line.
    ASSERT_EQ(DpiOfWindow(form->Handle()), 96u);
    UpdateWindow(form->Handle());
    const HDC dc = GetDC(form->Handle());
    EXPECT_EQ(GetPixel(dc, 74, 366), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(dc, 148, 366), GetSysColor(COLOR_BTNTEXT));
    ReleaseDC(form->Handle(), dc);
}

TEST_F(MainWindow, ItsThreadIsInAComApartmentWhileTheWindowLives)
{
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    form.emplace();  // not shown: Wine's input methods enter an apartment for a shown window
    ASSERT_TRUE(form->Load());
    ASSERT_EQ(CoGetApartmentType(&type, &qualifier), S_OK) << "ShellExecuteEx and the save dialog want one";
    EXPECT_EQ(type, APTTYPE_MAINSTA);
    form.reset();
    EXPECT_EQ(CoGetApartmentType(&type, &qualifier), CO_E_NOTINITIALIZED);
}

TEST_F(MainWindow, SearchListsTheHelpersRowsTheButtonsFollowKillKeepsThemAndShortcutsNeedTheirExactShiftMask)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"lib_xq8\\window_xq8.dll");
    HelperProcess helper({module});
    Open();

    SetSpecification(L"WINDOW_XQ8.DLL");
    Click(Control::cmdSearch);
    ResultsList& rows = form->lvProcesses();
    ASSERT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(rows.Text(1), L"vennick_test_helper.exe");
    EXPECT_EQ(rows.SubItem(1, 1), L"5.1.3.2600");
    EXPECT_EQ(rows.SubItem(1, 2), module);
    for (Control button : kActionButtons) EXPECT_TRUE(IsEnabled(button));
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));

    SetSpecification(L"\\lib_xq8\\");
    Click(Control::cmdSearch);
    EXPECT_EQ(rows.RowCount(), 0) << "a folder name is no module's tail";
    for (Control button : kActionButtons) EXPECT_FALSE(IsEnabled(button));
    EXPECT_EQ(feedback.Beeps(), 2) << "every search ends with a beep";

    keyboard.controlDown = true;
    Click(Control::cmdSearch);
    ASSERT_EQ(rows.RowCount(), 1) << "Ctrl held: the contains test";
    EXPECT_EQ(rows.SubItem(1, 2), module);

    SetFocus(Handle(Control::cmdSaveBAT));
    for (Control next : {Control::cmdKill, Control::cmdLaunch, Control::txtModuleSpec}) {
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), Handle(next)) << "the tab order";
    }
    Click(Control::cmdKill);  // the confirmation answered OK
    EXPECT_TRUE(helper.WaitForExit(5'000));
    EXPECT_EQ(rows.RowCount(), 1) << "the rows stay, for starting the programs again";
    for (Control button : kActionButtons) EXPECT_TRUE(IsEnabled(button));

    // The shortcuts need their exact shift mask; the search reads the held Ctrl key.
    SetSpecification(L"");
    PressKey(VK_RETURN, kCtrlMask);
    EXPECT_EQ(feedback.Beeps(), 4) << "an empty box: no search";
    keyboard.controlDown = false;
    TypeText(L"no_such_module_xq9.dll");
    PressKey(VK_RETURN);
    EXPECT_EQ(feedback.Beeps(), 5) << "Enter presses the default button";
    keyboard.controlDown = true;
    PressKey(VK_RETURN, kCtrlMask | kShiftMask);
    EXPECT_EQ(feedback.Beeps(), 5) << "Ctrl+Shift+Enter does nothing";
    PressKey(VK_RETURN, kCtrlMask);
    EXPECT_EQ(feedback.Beeps(), 6) << "Ctrl+Enter: exactly one search";

    PressKey(VK_F1, kShiftMask);
    ASSERT_EQ(boxes.shown.size(), 2u) << "Shift+F1: the about box";
    EXPECT_EQ(boxes.shown[1].style, static_cast<UINT>(MB_OK | MB_USERICON));
    for (const wchar_t* part : {L"Vennick", L"" VENNICK_VERSION_TEXT, app::kAuthor}) {
        EXPECT_NE(boxes.shown[1].text.find(part), std::wstring::npos) << boxes.shown[1].text;
    }

    PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen()) << "Esc closes";
    EXPECT_TRUE(quitPosted) << "and the program ends";
}

TEST_F(MainWindow, ColumnWidthsAreStoredInTwipsOnClosingAndGarbageInTheStoreLeavesTheDesign)
{
    {
        const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, kWidthsKey);
        WriteRegistryString(key.get(), L"Column 1 Width", L"3000");
        WriteRegistryDword(key.get(), L"Column 2 Width", static_cast<DWORD>(-150));
        WriteRegistryDword(key.get(), L"Column 3 Width", 9'999'999);
    }
    Open();
    const auto width = [&](int column) { return SendMessageW(Handle(Control::lvProcesses), LVM_GETCOLUMNWIDTH, column, 0); };
    EXPECT_EQ(std::vector({width(0), width(1), width(2)}), std::vector<LRESULT>({163, 106, 427}));
    EXPECT_TRUE(boxes.shown.empty());
    const auto extended = static_cast<DWORD>(SendMessageW(Handle(Control::lvProcesses), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    constexpr DWORD kStyles = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_LABELTIP;
    EXPECT_EQ(extended & kStyles, kStyles);

    SendMessageW(Handle(Control::lvProcesses), LVM_SETCOLUMNWIDTH, 0, 200);
    SendMessageW(Handle(Control::lvProcesses), LVM_SETCOLUMNWIDTH, 2, 50);
    PressKey(VK_ESCAPE);
    ASSERT_FALSE(IsOpen());
    EXPECT_EQ(StoredWidth(L"Column 1 Width"), 3000u);
    EXPECT_EQ(StoredWidth(L"Column 2 Width"), 1590u) << "an untouched width is stored as it is";
    EXPECT_EQ(StoredWidth(L"Column 3 Width"), 750u);
    Open();
    EXPECT_EQ(std::vector({width(0), width(1), width(2)}), std::vector<LRESULT>({200, 106, 50}));

    // Logging off: Windows ends the process once the window has answered WM_ENDSESSION.
    SendMessageW(Handle(Control::lvProcesses), LVM_SETCOLUMNWIDTH, 1, 90);
    SendMessageW(form->Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(IsOpen() && StoredWidth(L"Column 2 Width") == 1590u) << "a cancelled logoff changes nothing";
    SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(StoredWidth(L"Column 2 Width"), 1350u) << "the session's end is the program's end";
}

TEST_F(MainWindow, AFailureIsShownWithItsOwnDescriptionAndEndsTheProgram)
{
    host.failure = L"Сбой при проверке среды.";
    form.emplace();
    EXPECT_FALSE(form->Load()) << "the window does not come into being half made";
    Pump();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Сбой при проверке среды.");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(quitPosted);
    EXPECT_FALSE(StoredWidth(L"Column 1 Width")) << "a window whose loading failed keeps nothing";
}

TEST_F(CommandLine, TheTrimmedSpecificationIsSearchedOnceWhenTheWindowIsUpAndReplacesADevelopmentRunsSample)
{
    // command line, Ctrl held, a development run; then the box, the searches, the rows (-1: more than one)
    const std::tuple<const wchar_t*, bool, bool, const wchar_t*, int, int> cases[] = {
        {L"", false, false, L"", 0, 0},
        {L"  cmdline_xq15.dll \t ", false, false, L"cmdline_xq15.dll", 1, 1},
        {L"\" \t \"", false, false, L"", 1, -1},  // trims (quotes too) to nothing: every module path ends with ""
        {L"\\lib_xq15\\", true, false, L"\\lib_xq15\\", 1, 1},  // Ctrl held: the contains test
        {L"", false, true, L"Mereholt0301.DLL", 0, 0},  // a development run shows a sample
        {L"cmdline_xq15.dll", false, true, L"cmdline_xq15.dll", 1, 1},  // which the command line replaces
    };
    for (const auto& [commandLine, controlDown, inIde, box, searches, rows] : cases) {
        keyboard.controlDown = controlDown;
        host.inIde = inIde;
        feedback.events.clear();
        Open(commandLine);
        EXPECT_EQ(TextOf(Control::txtModuleSpec), box) << commandLine;
        EXPECT_EQ(IsEnabled(Control::cmdSearch), *box != L'\0') << commandLine;
        for (const ULONGLONG end = GetTickCount64() + 300; GetTickCount64() < end;) Pump();
        EXPECT_EQ(feedback.Beeps(), searches) << commandLine << ": the timer fires once";
        const int listed = form->lvProcesses().RowCount();
        EXPECT_TRUE(rows < 0 ? listed > 1 : listed == rows) << commandLine << ": " << listed << " rows";
        if (listed == 1) EXPECT_EQ(form->lvProcesses().SubItem(1, 2), module);
        // A development run's window keeps the development environment's icons.
        EXPECT_EQ(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0) != 0, !inIde) << commandLine;
        form.reset();
        Pump();
    }
}

TEST_F(CommandLine, TheRealProgramStartedFromAQuotedPathWithSpaces)
{
    const std::wstring program = folder.Copy(BuildFolder() + L"vennick.exe", L"My Tools xq15\\vennick.exe");
    const UniqueHandle running = StartProcess(program, L"\"" + program + L"\"  cmdline_xq15.dll  ");
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
    ASSERT_EQ(WaitForSingleObject(running.get(), 15'000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(running.get(), &code);
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

TEST_F(Tray, ANewTaskbarGetsTheIconBackAndWithoutANotificationAreaTheWindowStaysOnTheTaskbar)
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
    Minimize();
    EXPECT_TRUE(IsWindowVisible(form->Handle()) && IsIconic(form->Handle())) << "minimized on the taskbar";
    EXPECT_FALSE(form->stMain().IconVisible());
}
