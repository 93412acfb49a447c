// The main window, created for real in the test process and driven with messages.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "fixtures/SeamFake.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/MainWindowHarness.h"
#include "platform/AppIdentity.h"
#include "platform/ProgramError.h"
#include "platform/Twips.h"
#include "platform/component/SettingsStore.h"
#include "platform/win/Dpi.h"
#include "platform/win/Registry.h"
#include "search/modPackProcessInfo.h"
#include "window/KeyShortcuts.h"

namespace {

using Control = frm_main::Control;

constexpr Control kActionButtons[] = {Control::cmdSaveBAT, Control::cmdKill, Control::cmdLaunch};

RECT ClientRectOf(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ColumnWidthTwips(HWND list, int column)
{
    return PixelsToTwips(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)), 96);
}

std::optional<DWORD> StoredWidth(int column)
{
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, SettingsStore::KeyPath(L"Processes List"));
    if (!key) return std::nullopt;
    return ReadRegistryDword(key.get(), SettingsStore::ColumnWidthName(column));
}

}  // namespace

class MainWindow : public MainWindowHarness {};

TEST_F(MainWindow, StartsWithAnEmptyBoxThatHasTheFocusAndEveryButtonDisabled)
{
    Open();
    EXPECT_EQ(GetFocus(), Handle(Control::txtModuleSpec));
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"");
    for (Control button : {Control::cmdSearch, Control::cmdSaveBAT, Control::cmdKill, Control::cmdLaunch}) {
        EXPECT_FALSE(IsEnabled(button)) << static_cast<int>(button);
    }
    EXPECT_EQ(form->lvProcesses().RowCount(), 0);
    EXPECT_EQ(TextOf(Control::lblTag), L"Имя файла модуля:");
    EXPECT_EQ(TextOf(Control::cmdSearch), L"Найти");
    EXPECT_EQ(TextOf(Control::cmdSaveBAT), L"Сохранить BAT");
    EXPECT_EQ(TextOf(Control::cmdKill), L"Завершить");
    EXPECT_EQ(TextOf(Control::cmdLaunch), L"Запустить");
    EXPECT_TRUE(feedback.events.empty()) << "no search runs by itself";
    EXPECT_NE(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0), 0) << "the program's icon";
}

TEST_F(MainWindow, FrameIsFixedWithoutMaximizeAndTheCaptionIsVennick)
{
    Open();
    const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_CAPTION, 0);
    wchar_t caption[64] = {};
    GetWindowTextW(form->Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Vennick");
}

TEST_F(MainWindow, ControlsStandAtTheirPlacesAt96Dpi)
{
    Open();
    ASSERT_EQ(DpiOfWindow(form->Handle()), 96u) << "the layout table's pixels are for 96 dpi";
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 497);
    EXPECT_EQ(client.bottom, 397);

    struct Expected {
        Control control;
        RECT pixels;
    };
    const Expected table[] = {
        {Control::lblTag, {12, 8, 125, 22}},         {Control::txtModuleSpec, {8, 24, 397, 49}},
        {Control::cmdSearch, {404, 24, 489, 49}},    {Control::lvProcesses, {8, 56, 489, 353}},
        {Control::cmdSaveBAT, {200, 360, 305, 389}}, {Control::cmdKill, {312, 360, 397, 389}},
        {Control::cmdLaunch, {404, 360, 489, 389}},
    };
    for (const Expected& expected : table) {
        const RECT actual = ClientRectOf(Handle(expected.control));
        EXPECT_EQ(actual.left, expected.pixels.left) << static_cast<int>(expected.control);
        EXPECT_EQ(actual.top, expected.pixels.top) << static_cast<int>(expected.control);
        EXPECT_EQ(actual.right, expected.pixels.right) << static_cast<int>(expected.control);
        EXPECT_EQ(actual.bottom, expected.pixels.bottom) << static_cast<int>(expected.control);
    }
}

TEST_F(MainWindow, MovingDrawsTheDesktopBackgroundAnew)
{
    Open();
    ValidateRect(form->Handle(), nullptr);
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    SetWindowPos(form->Handle(), nullptr, frame.left + 9, frame.top + 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT update{}, client{};
    GetUpdateRect(form->Handle(), &update, FALSE);
    GetClientRect(form->Handle(), &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "the desktop's pattern stays aligned with the screen";
}

TEST_F(MainWindow, MovingDrawsTheDesktopBackgroundAnew)
{
    Open();
    ValidateRect(form->Handle(), nullptr);
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    SetWindowPos(form->Handle(), nullptr, frame.left + 9, frame.top + 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT update{}, client{};
    GetUpdateRect(form->Handle(), &update, FALSE);
    GetClientRect(form->Handle(), &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "the desktop's pattern stays aligned with the screen";
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

TEST_F(MainWindow, EveryControlUsesTahoma9PointCyrillic)
{
    Open();
    for (const frm_main::ControlDesign& design : frm_main::kControls) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(design.id), WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        ASSERT_EQ(GetObjectW(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
        EXPECT_STREQ(logFont.lfFaceName, L"Tahoma");
        EXPECT_EQ(logFont.lfHeight, -12);
        EXPECT_EQ(logFont.lfWeight, 400);
        EXPECT_EQ(logFont.lfCharSet, 204);
        EXPECT_FALSE(logFont.lfItalic || logFont.lfUnderline || logFont.lfStrikeOut);
    }
}

TEST_F(MainWindow, ResultsListHasThreeColumnsAndItsExtendedStyles)
{
    Open();
    const HWND list = Handle(Control::lvProcesses);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    const wchar_t* headers[] = {L"Имя процесса", L"Версия модуля", L"Полное имя файла модуля"};
    for (int column = 0; column < 3; ++column) {
        wchar_t text[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = 64;
        SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(text, headers[column]);
    }
    EXPECT_EQ(ColumnWidthTwips(list, 0), 2445);
    EXPECT_EQ(ColumnWidthTwips(list, 1), 1590);
    EXPECT_EQ(ColumnWidthTwips(list, 2), 6405) << "6400 twips is 426.7 pixels: 427";
    const auto extended = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_LABELTIP),
              static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_LABELTIP));
}

TEST_F(MainWindow, TypingEnablesTheSearchButtonAndDeletingDisablesIt)
{
    Open();
    TypeText(L"k");
    EXPECT_TRUE(IsEnabled(Control::cmdSearch));
    TypeText(L"\b");
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"");
    EXPECT_FALSE(IsEnabled(Control::cmdSearch));
    TypeText(L" ");
    EXPECT_TRUE(IsEnabled(Control::cmdSearch)) << "a blank is a specification too";
}

TEST_F(MainWindow, TabIntoTheBoxSelectsItsWholeText)
{
    Open();
    TypeText(L"kernel32.dll");
    SetFocus(Handle(Control::lvProcesses));
    Pump();
    PressKey(VK_TAB, 0, Handle(Control::lvProcesses));
    ASSERT_EQ(GetFocus(), Handle(Control::txtModuleSpec));
    DWORD start = 1, end = 0;
    SendMessageW(Handle(Control::txtModuleSpec), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 12u);
}

TEST_F(MainWindow, SearchListsTheHelpersRowsAndTheActionButtonsFollowTheResult)
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
    EXPECT_EQ(rows.Tag(1), PackProcessInfo(static_cast<std::int32_t>(helper.Id()), helper.Program()));
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
    for (Control button : kActionButtons) EXPECT_TRUE(IsEnabled(button));
}

TEST_F(MainWindow, EnterPressesTheSearchButtonOnlyWhenItIsEnabled)
{
    Open();
    PressKey(VK_RETURN);
    EXPECT_EQ(feedback.Beeps(), 0) << "an empty box: the default button is disabled";
    TypeText(L"no_such_module_xq9.dll");
    PressKey(VK_RETURN);
    EXPECT_EQ(feedback.Beeps(), 1);
}

TEST_F(MainWindow, ShortcutsNeedTheirExactShiftMask)
{
    Open();
    TypeText(L"no_such_module_xq9.dll");

    PressKey(VK_F1, kCtrlMask);
    PressKey(VK_F1, 0);
    EXPECT_TRUE(boxes.shown.empty());
    PressKey(VK_F1, kShiftMask);
    ASSERT_EQ(boxes.shown.size(), 1u) << "Shift+F1: the about box";
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK | MB_USERICON));
    EXPECT_NE(boxes.shown[0].text.find(L"Vennick"), std::wstring::npos);
    EXPECT_NE(boxes.shown[0].text.find(L"1.02.0024"), std::wstring::npos);
    EXPECT_NE(boxes.shown[0].text.find(app::kAuthor), std::wstring::npos);

    keyboard.controlDown = true;  // the search reads the held Ctrl key
    PressKey(VK_RETURN, kCtrlMask | kShiftMask);
    EXPECT_EQ(feedback.Beeps(), 0) << "Ctrl+Shift+Enter does nothing";
    PressKey(VK_RETURN, kCtrlMask);
    EXPECT_EQ(feedback.Beeps(), 1) << "Ctrl+Enter: exactly one search";

    PressKey(VK_ESCAPE, kShiftMask);
    EXPECT_TRUE(IsOpen()) << "Shift+Esc does nothing";
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen()) << "Esc closes";
    EXPECT_TRUE(quitPosted) << "and the program ends";
}

TEST_F(MainWindow, CtrlEnterWithAnEmptyBoxDoesNothing)
{
    Open();
    keyboard.controlDown = true;
    PressKey(VK_RETURN, kCtrlMask);
    EXPECT_TRUE(feedback.events.empty());
}

TEST_F(MainWindow, ClosingStoresTheColumnWidthsAndTheNextWindowHasThemBack)
{
    Open();
    SendMessageW(Handle(Control::lvProcesses), LVM_SETCOLUMNWIDTH, 0, 200);
    SendMessageW(Handle(Control::lvProcesses), LVM_SETCOLUMNWIDTH, 2, 50);
    PressKey(VK_ESCAPE);
    ASSERT_FALSE(IsOpen());
    EXPECT_EQ(StoredWidth(1), 3000u);
    EXPECT_EQ(StoredWidth(2), 1590u) << "an untouched width is stored as it is";
    EXPECT_EQ(StoredWidth(3), 750u);

    Open();
    EXPECT_EQ(SendMessageW(Handle(Control::lvProcesses), LVM_GETCOLUMNWIDTH, 0, 0), 200);
    EXPECT_EQ(ColumnWidthTwips(Handle(Control::lvProcesses), 1), 1590);
    EXPECT_EQ(SendMessageW(Handle(Control::lvProcesses), LVM_GETCOLUMNWIDTH, 2, 0), 50);
}

TEST_F(MainWindow, GarbageInTheStoreLeavesTheDefaultWidths)
{
    {
        const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsStore::KeyPath(L"Processes List"));
        ASSERT_TRUE(key);
        WriteRegistryString(key.get(), SettingsStore::ColumnWidthName(1), L"3000");
        WriteRegistryDword(key.get(), SettingsStore::ColumnWidthName(2), static_cast<DWORD>(-150));
        WriteRegistryDword(key.get(), SettingsStore::ColumnWidthName(3), 9'999'999);
    }
    Open();
    EXPECT_EQ(ColumnWidthTwips(Handle(Control::lvProcesses), 0), 2445);
    EXPECT_EQ(ColumnWidthTwips(Handle(Control::lvProcesses), 1), 1590);
    EXPECT_EQ(ColumnWidthTwips(Handle(Control::lvProcesses), 2), 6405);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, DevelopmentRunShowsTheSampleWithoutSearchingOrIcons)
{
    host.inIde = true;
    Open();
    EXPECT_EQ(TextOf(Control::txtModuleSpec), L"Mereholt0301.DLL");
    EXPECT_TRUE(IsEnabled(Control::cmdSearch));
    EXPECT_TRUE(feedback.events.empty()) << "no search";
    EXPECT_EQ(form->lvProcesses().RowCount(), 0);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
}

namespace {

class FailingHost final : public SeamFake<HostEnvironment> {
public:
    bool IsHostWin9x() override { return false; }
    bool IsInIDE() override { throw ProgramError(L"Сбой при проверке среды."); }
};

}  // namespace

TEST_F(MainWindow, AFailureIsShownWithItsOwnDescriptionAndEndsTheProgram)
{
    FailingHost failing;
    form.emplace();
    EXPECT_FALSE(form->Load()) << "the window does not come into being half made";
    Pump();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Сбой при проверке среды.");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(quitPosted);
    EXPECT_FALSE(StoredWidth(1)) << "a window whose loading failed keeps nothing";
}
