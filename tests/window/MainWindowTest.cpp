// The main window, created for real in the test process and driven with messages; the real program; the tray icon.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/TestService.h"
#include "platform/tray/NotificationArea.h"
#include "platform/ui/Dpi.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Gdi.h"
#include "platform/processes/OwnProcess.h"
#include "platform/registry/Registry.h"
#include "search/ProcessEntryKey.h"
#include "window/KeyShortcuts.h"
#include "window/KeyboardState.h"
#include "window/MessageLoop.h"
#include "window/MainWindow.h"
#include "window/MainWindowControls.h"

namespace {

using Control = main_window::Control;

constexpr Control kActionButtons[] = {Control::SaveBatchButton, Control::TerminateButton, Control::RelaunchButton};
constexpr const wchar_t* kWidthsKey = L"Software\\Quorvel\\Vennick\\Processes List";

std::optional<DWORD> StoredWidth(const wchar_t* name)
{
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kWidthsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size)) return std::nullopt;
    return value;
}

// The design's pixels at 15, 12, 10 and 7.5 twips a pixel, the controls in tab order.
struct DpiLayout {
    UINT dpi;
    SIZE client;
    LONG fontHeight;
    int smallIcon, bigIcon;
    RECT controls[std::size(main_window::kControls)];
    int columns[std::size(main_window::kResultsColumns)];
};
constexpr DpiLayout kLayouts[] = {
    {96, {497, 443}, -12, 16, 32, {{12, 8, 125, 22}, {8, 24, 397, 49}, {404, 24, 489, 49}, {8, 56, 489, 353},
     {200, 360, 305, 389}, {312, 360, 397, 389}, {404, 360, 489, 389}, {8, 398, 297, 442}, {304, 407, 377, 432},
     {384, 407, 489, 432}}, {163, 106, 427}},
    {120, {621, 554}, -15, 20, 40, {{15, 10, 156, 28}, {10, 30, 496, 61}, {505, 30, 611, 61}, {10, 70, 611, 441},
     {250, 450, 381, 486}, {390, 450, 496, 486}, {505, 450, 611, 486}, {10, 498, 371, 553}, {380, 509, 471, 540},
     {480, 509, 611, 540}}, {204, 133, 533}},
    {144, {746, 665}, -18, 24, 48, {{18, 12, 188, 33}, {12, 36, 596, 74}, {606, 36, 734, 74}, {12, 84, 734, 530},
     {300, 540, 458, 584}, {468, 540, 596, 584}, {606, 540, 734, 584}, {12, 597, 446, 663}, {456, 611, 566, 649},
     {576, 611, 734, 649}}, {245, 159, 640}},
    {192, {994, 886}, -24, 32, 64, {{24, 16, 250, 44}, {16, 48, 794, 98}, {808, 48, 978, 98}, {16, 112, 978, 706},
     {400, 720, 610, 778}, {624, 720, 794, 778}, {808, 720, 978, 778}, {16, 796, 594, 884}, {608, 814, 754, 864},
     {768, 814, 978, 864}}, {326, 212, 853}},
};

auto Corners(const RECT& rect) { return std::tuple(rect.left, rect.top, rect.right, rect.bottom); }

// The window's icon: its width, or its pixels drawn 16 x 16 on black.
int IconWidth(HWND window, WPARAM which)
{
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &info)) return 0;
    const UniqueGdiObject mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}
std::vector<COLORREF> Pixels(HICON icon)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const UniqueGdiObject bitmap(CreateBitmap(16, 16, 1, 32, nullptr));
    std::vector<COLORREF> pixels;
    {
        const SelectedObject selected(dc, bitmap.get());
        DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
        for (int i = 0; i < 256; ++i) pixels.push_back(GetPixel(dc, i % 16, i / 16));
    }
    DeleteDC(dc);
    return pixels;
}

// The real save dialog read from inside once it has settled in its folder, and its question before replacing;
// answered with `answer`, or cancelled.
struct SaveDialogSeen {
    std::wstring answer, folder, type, question;
    LRESULT types = 0;
    HWND window = nullptr, owner = nullptr;
} *g_dialog = nullptr;

LRESULT CALLBACK DriveSaveDialog(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    const bool dialog = code == HCBT_ACTIVATE && std::wstring(kind) == L"#32770";
    if (dialog && g_dialog->window == nullptr) {
        g_dialog->window = window;
        SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            if (g_dialog == nullptr) return;  // the dialog's time is over
            const HWND dialog = g_dialog->window;
            g_dialog->owner = GetWindow(dialog, GW_OWNER);
            wchar_t folder[MAX_PATH] = {};
            SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
            g_dialog->folder = folder;
            g_dialog->type = WindowText(GetDlgItem(dialog, cmb1));
            g_dialog->types = SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0);
            SetWindowTextW(GetDlgItem(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1), g_dialog->answer.c_str());
            PostMessageW(dialog, WM_COMMAND, g_dialog->answer.empty() ? IDCANCEL : IDOK, 0);
        });
    } else if (dialog && window != g_dialog->window && g_dialog->question.empty()) {
        g_dialog->question = WindowText(GetDlgItem(window, 0xFFFF));
        PostMessageW(window, WM_COMMAND, IDYES, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The box of the processes a search could not examine, read once it is up and closed: its list, title and owner.
struct UnexaminedBoxSeen {
    std::wstring list, title;
    HWND owner = nullptr;
    int times = 0;
} *g_box = nullptr;

LRESULT CALLBACK ReadUnexaminedBox(int code, WPARAM wParam, LPARAM lParam)
{
    const auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_box != nullptr && GetDlgItem(box, 201) != nullptr) {
        *g_box = {WindowText(GetDlgItem(box, 201)), WindowText(box), GetWindow(box, GW_OWNER), g_box->times + 1};
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring ClipboardText()
{
    if (!OpenClipboard(nullptr)) return L"(the clipboard cannot be opened)";
    const auto* text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    std::wstring copy = text != nullptr ? text : L"";
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    return copy;
}

// Each MessageBeep the program calls, with its type: its import replaced while the object lives.
class BeepWatch {
public:
    BeepWatch() { Patch(reinterpret_cast<void*>(&Record)); }
    ~BeepWatch() { Patch(real_); }
    static inline std::vector<UINT> beeps;

private:
    static BOOL WINAPI Record(UINT type) { beeps.push_back(type); return TRUE; }
    static void** ImportSlot()
    {
        const auto function = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "MessageBeep"));
        const auto base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
        void** const slots = reinterpret_cast<void**>(base + imports.VirtualAddress);
        void** const end = slots + imports.Size / sizeof *slots;
        if (void** const slot = std::find(slots, end, function); slot != end) return slot;
        throw std::runtime_error("MessageBeep is not imported");
    }
    void Patch(void* function)
    {
        DWORD old = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &old);
        *slot_ = function;
        VirtualProtect(slot_, sizeof *slot_, old, &old);
    }
    void** slot_ = ImportSlot();
    void* real_ = *slot_;
};

class FakeKeyboard final : public SeamFake<KeyboardState> {
public:
    int ShiftMask(KeyMoment moment) override { return moment == KeyMoment::OfMessage ? shiftMask : heldNow; }
    int shiftMask = 0, heldNow = 0;
};

// The program's own reading of the system's keyboard, in place of the fixture's fake while it lives.
class SystemKeyboard final : public SeamFake<KeyboardState> {
public:
    int ShiftMask(KeyMoment moment) override { return real().ShiftMask(moment); }
};

// Records each change of the notification area (message, tooltip, icon); passes it on unless refusing.
class RecordingNotificationArea final : public SeamFake<NotificationArea> {
public:
    struct Change { DWORD message; std::wstring tip; HICON icon; bool windowExists; };
    bool Notify(DWORD message, NOTIFYICONDATAW& data) override
    {
        changes.push_back({message, data.szTip, data.hIcon, IsWindow(data.hWnd) != FALSE});
        const bool done = !refuse && real().Notify(message, data);
        return done && !(addTimesOut && message == NIM_ADD);  // added, but its answer lost
    }
    std::vector<DWORD> Messages(std::size_t from) const
    {
        std::vector<DWORD> messages;
        for (std::size_t i = from; i < changes.size(); ++i) messages.push_back(changes[i].message);
        return messages;
    }
    std::vector<Change> changes;
    bool refuse = false, addTimesOut = false;
};

}  // namespace

// A real main window inside the test process, fed with messages through the program's own message-loop steps.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick");
        BeepWatch::beeps.clear();
    }
    void TearDown() override
    {
        window.reset();
        Pump();
        SetUp();
        // Every box the program shows: under the application title, modal to the main window.
        for (const auto& box : boxes.shown) {
            EXPECT_EQ(box.title, L"Quorvel - Vennick") << box.text;
            EXPECT_TRUE(box.modal && box.owner == L"VennickMain") << box.text;
        }
    }

    // Creates and shows the window; `commandLine` is the text after the program's name.
    void Open(const std::wstring& commandLine = L"")
    {
        window.emplace(commandLine);
        ASSERT_TRUE(window->Create());
        window->Show();
        Pump();
    }
    // Runs the waiting messages as the program's loop would, a few rounds for those posted meanwhile.
    void Pump()
    {
        for (int round = 0; round < 3; ++round, Sleep(1)) {
            MSG message{};
            if (!window) {
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            } else if (!PumpWaitingMessages(*window)) {
                quitPosted = PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
            }
        }
    }
    // Long enough for the command line's timer.
    void PumpFor(ULONGLONG milliseconds)
    {
        for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end;) Pump();
    }
    bool IsOpen() const { return window && window->Handle() != nullptr; }
    // One behaviour of a longer session: its failures name it, and a fatal one ends this part only.
    template <class Check>
    static void Behaviour(const char* name, Check check)
    {
        SCOPED_TRACE(name);
        check();
    }
    HWND Handle(Control control) const { return window->ControlHandle(control); }
    bool IsEnabled(Control control) const { return IsWindowEnabled(Handle(control)) != FALSE; }
    int Beeps() const { return static_cast<int>(BeepWatch::beeps.size()); }

    // Keyboard input as the window receives it; `shift` is the mask Shift 1, Ctrl 2, Alt 4.
    void TypeText(const std::wstring& text) { for (wchar_t c : text) PostMessageW(Handle(Control::SpecificationBox), WM_CHAR, c, 1); Pump(); }
    void PressKey(int virtualKey, int shift = 0)
    {
        keyboard.shiftMask = shift;
        PostMessageW(GetFocus(), (shift & kAltMask) ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1);
        Pump();
        keyboard.shiftMask = 0;
    }
    void SetSpecification(const std::wstring& text) { SetWindowTextW(Handle(Control::SpecificationBox), text.c_str()); Pump(); }
    void Click(Control button) { SendMessageW(Handle(button), BM_CLICK, 0, 0); Pump(); }

    // Column widths scaled from another DPI's pixels may round one pixel off the design.
    void ExpectLayout(const DpiLayout& expected, int columnSlack = 0)
    {
        for (std::size_t i = 0; i < std::size(expected.columns); ++i) {
            const auto width = static_cast<int>(SendMessageW(Handle(Control::ResultsList), LVM_GETCOLUMNWIDTH, i, 0));
            EXPECT_NEAR(width, expected.columns[i], columnSlack) << expected.dpi << " dpi, column " << i;
        }
        RECT client{};
        GetClientRect(window->Handle(), &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(expected.client.cx, expected.client.cy));
        for (std::size_t i = 0; i < std::size(expected.controls); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                RECT both{};
                EXPECT_FALSE(IntersectRect(&both, &expected.controls[i], &expected.controls[j])) << i << " on " << j;
            }
        }
        for (std::size_t i = 0; i < std::size(main_window::kControls); ++i) {
            const HWND control = Handle(main_window::kControls[i].id);
            RECT actual{};
            GetWindowRect(control, &actual);
            MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(Corners(actual), Corners(expected.controls[i])) << expected.dpi << " dpi, control " << i;
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(std::tuple(std::wstring(font.lfFaceName), font.lfHeight, font.lfWeight, int{font.lfCharSet},
                                 font.lfItalic + font.lfUnderline + font.lfStrikeOut),
                      std::tuple(std::wstring(L"Tahoma"), expected.fontHeight, LONG{400}, 204, 0))
                << expected.dpi << " dpi, control " << i;
        }
    }
    // Keys pressed (true) and released in the system's input, as on the user's keyboard.
    void Inject(std::initializer_list<std::pair<BYTE, bool>> keys)
    {
        for (const auto& [key, down] : keys) keybd_event(key, 0, down ? 0 : KEYEVENTF_KEYUP, 0);
        Pump();
    }
    // A click of the system's mouse in the middle of the button, as the user's; the caller lets it run.
    void ClickWithTheMouse(Control button) const
    {
        RECT place{};
        GetWindowRect(Handle(button), &place);
        const DWORD x = (place.left + place.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        const DWORD y = (place.top + place.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        for (const DWORD press : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | press, x, y, 0, 0);
        }
    }
    // The style the button draws itself from: the default's heavier frame.
    bool DrawnAsDefault(Control button) const
    {
        return (GetWindowLongPtrW(Handle(button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
    // Dark pixels (text) where the list's first row stands.
    int DarkPixelsOfFirstRow()
    {
        RECT header{};
        GetWindowRect(ListView_GetHeader(Handle(Control::ResultsList)), &header);
        const HDC screen = GetDC(nullptr);
        int dark = 0;
        for (int i = 0; i < 12 * 146; ++i) {
            const COLORREF pixel = GetPixel(screen, header.left + 4 + i % 146, header.bottom + 2 + i / 146);
            dark += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 300;
        }
        ReleaseDC(nullptr, screen);
        return dark;
    }
    // The tray icon's activation; the window shown, restored and in front, with the icon gone.
    void Minimize() { ShowWindow(window->Handle(), SW_MINIMIZE); Pump(); }
    void ActivateIcon(UINT message = WM_LBUTTONUP) { SendMessageW(window->Handle(), TrayIcon::kCallbackMessage, 1, message); Pump(); }
    void ExpectWindowBack()
    {
        EXPECT_TRUE(IsWindowVisible(window->Handle()) && !IsIconic(window->Handle())) << "shown and restored";
        EXPECT_EQ(GetForegroundWindow(), window->Handle()) << "in front";
        EXPECT_FALSE(window->Tray().IconVisible()) << "the icon gone";
    }

    ObservedMessageBoxes boxes;
    FakeKeyboard keyboard;
    FakeHost host;
    BeepWatch sounds;
    RecordingNotificationArea notificationArea;
    std::optional<MainWindow> window;
    bool quitPosted = false;
};

TEST_F(MainWindowTest, StartsAsDesignedAndSearchesFromTheKeyboardAndTheRealCtrlKey)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"lib_xq8\\window_xq8.dll");
    HelperProcess helper({module, folder.AddModule(ModuleKind::NoVersion, L"lib_xq16\\keys_xq16.dll")});
    Open();
    RECT frame{};
    GetWindowRect(window->Handle(), &frame);
    Behaviour("the window as it starts: captions, headers, four disabled buttons, centred, no maximize", [&] {
        EXPECT_EQ(GetFocus(), Handle(Control::SpecificationBox));
        EXPECT_EQ(WindowText(window->Handle()), L"Vennick");
        const std::pair<Control, const wchar_t*> captions[] = {{Control::Label, L"Имя файла модуля:"},
            {Control::SearchButton, L"Найти"}, {Control::SaveBatchButton, L"Сохранить BAT"},
            {Control::TerminateButton, L"Завершить"}, {Control::RelaunchButton, L"Запустить"}};
        for (const auto& [control, caption] : captions) EXPECT_EQ(WindowText(Handle(control)), caption);
        int column = 0;
        for (const wchar_t* header : {L"Имя процесса", L"Версия модуля", L"Полное имя файла модуля"}) {
            wchar_t text[64] = {};
            LVCOLUMNW info{};
            info.mask = LVCF_TEXT;
            info.pszText = text;
            info.cchTextMax = 64;
            SendMessageW(Handle(Control::ResultsList), LVM_GETCOLUMNW, column++, reinterpret_cast<LPARAM>(&info));
            EXPECT_STREQ(text, header);
        }
        for (Control button : {Control::SearchButton, Control::SaveBatchButton, Control::TerminateButton,
                               Control::RelaunchButton}) {
            EXPECT_FALSE(IsEnabled(button)) << static_cast<int>(button);
        }
        const LONG_PTR style = GetWindowLongPtrW(window->Handle(), GWL_STYLE);
        EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX), WS_MINIMIZEBOX);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
        EXPECT_NEAR(frame.left + frame.right, monitor.rcWork.left + monitor.rcWork.right, 1);
        EXPECT_NEAR(frame.top + frame.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);
    });
    Behaviour("«Найти» follows the box: a character enables it, a blank too, deleting disables it", [&] {
        for (const auto& [typed, enabled] : {std::pair(L"k", true), {L"\b", false}, {L" ", true}}) {
            TypeText(typed);
            EXPECT_EQ(IsEnabled(Control::SearchButton), enabled) << typed;
        }
    });
    Behaviour("the box's whole text is selected when it gets the focus", [&] {
        SetSpecification(L"kernel32.dll");
        SetFocus(Handle(Control::ResultsList));
        SetFocus(Handle(Control::SpecificationBox));
        EXPECT_EQ(SendMessageW(Handle(Control::SpecificationBox), EM_GETSEL, 0, 0), MAKELRESULT(0, 12));
    });
    Behaviour("activated again, the window gives the focus back to the control that had it", [&] {
        SetFocus(Handle(Control::ResultsList));
        const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, {}, {}, {}, {});
        SetActiveWindow(other);
        Pump();
        SetActiveWindow(window->Handle());
        Pump();
        EXPECT_EQ(GetFocus(), Handle(Control::ResultsList));
        DestroyWindow(other);
    });
    Behaviour("a moved window draws the desktop's pattern anew, aligned with the screen", [&] {
        ValidateRect(window->Handle(), nullptr);
        SetWindowPos(window->Handle(), nullptr, frame.left + 9, frame.top + 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT update{}, client{};
        GetUpdateRect(window->Handle(), &update, FALSE);
        GetClientRect(window->Handle(), &client);
        EXPECT_EQ(Corners(update), Corners(client));
    });
    Behaviour("the band behind the label: button face, its right edge (2235 twips) button text", [&] {
        ASSERT_EQ(DpiOfWindow(window->Handle()), 96u);
        UpdateWindow(window->Handle());
        const HDC dc = GetDC(window->Handle());
        EXPECT_EQ(GetPixel(dc, 74, 366), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(GetPixel(dc, 148, 366), GetSysColor(COLOR_BTNTEXT));
        ReleaseDC(window->Handle(), dc);
    });
    Behaviour("a change of the system's colours (a High Contrast switch) reaches the list, the band and the label", [&] {
        const int elements[] = {COLOR_BTNFACE, COLOR_WINDOW};
        const COLORREF before[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOW)};
        const COLORREF contrast[] = {RGB(0, 0, 128), RGB(0, 128, 0)};
        ASSERT_TRUE(SetSysColors(2, elements, contrast));
        Pump();
        UpdateWindow(window->Handle());
        const HDC dc = GetDC(window->Handle());
        EXPECT_EQ(GetPixel(dc, 74, 366), contrast[0]) << "the band";
        EXPECT_EQ(GetPixel(dc, 124, 9), contrast[0]) << "the label's background";
        ReleaseDC(window->Handle(), dc);
        EXPECT_EQ(ListView_GetBkColor(Handle(Control::ResultsList)), contrast[1]) << "the list";
        SetSysColors(2, elements, before);
        Pump();
    });
    Behaviour("the label's text is clipped where it does not fit, never wrapped to a line that cannot show", [&] {
        const HWND label = Handle(Control::Label);
        RECT place{};
        GetWindowRect(label, &place);
        MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(label, nullptr, 0, 0, (place.right - place.left) * 3 / 4, place.bottom - place.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const HDC dc = GetDC(label);
        RECT inside{};
        GetClientRect(label, &inside);
        int dark = 0;  // text in the label's right quarter: the clipped word, not one moved away
        for (int x = inside.right * 3 / 4; x < inside.right; ++x) {
            for (int y = 0; y < inside.bottom; ++y) dark += GetRValue(GetPixel(dc, x, y)) < 100;
        }
        ReleaseDC(label, dc);
        EXPECT_GT(dark, 5);
        SetWindowPos(label, nullptr, 0, 0, place.right - place.left, place.bottom - place.top, SWP_NOMOVE | SWP_NOZORDER);
    });
    ResultsList& rows = window->Results();
    Behaviour("a name pasted with Ctrl+V, Ctrl released since: the search reads Ctrl as it is now", [&] {
        const SystemKeyboard system;
        PutTextOnClipboard(nullptr, L"\\LIB_XQ16\\");
        SetSpecification(L"");
        SetFocus(Handle(Control::SpecificationBox));
        // Nothing reads the keyboard's state between the shortcut and the search but the search. Twice: a key's
        // toggle state, which Wine keeps as Windows does, flips with each press.
        for (int paste = 0; paste < 2; ++paste) {
            SendMessageW(Handle(Control::SpecificationBox), EM_SETSEL, 0, -1);
            Inject({{VK_CONTROL, true}, {'V', true}, {'V', false}, {VK_CONTROL, false}});
            ASSERT_EQ(WindowText(Handle(Control::SpecificationBox)), L"\\LIB_XQ16\\");
            Click(Control::SearchButton);
            EXPECT_EQ(rows.Count(), 0u) << "the ends-with test: a folder name is no module's tail";
        }
    });
    Behaviour("Ctrl held on the system's keyboard: the contains test; Ctrl+Enter; Shift+F1", [&] {
        const SystemKeyboard system;
        SetSpecification(L"\\LIB_XQ16\\");
        keybd_event(VK_CONTROL, 0, 0, 0);  // held as the button is clicked, before any key message is read
        Click(Control::SearchButton);
        Inject({{VK_CONTROL, false}});
        EXPECT_EQ(rows.Count(), 1u) << "Ctrl held at a click: the contains test";
        rows.Clear();
        Inject({{VK_CONTROL, true}, {VK_SHIFT, true}, {VK_RETURN, true}, {VK_RETURN, false}, {VK_SHIFT, false}});
        EXPECT_EQ(Beeps(), 3) << "Ctrl+Shift+Enter does nothing";
        Inject({{VK_RETURN, true}, {VK_RETURN, false}});
        Inject({{VK_CONTROL, false}});
        EXPECT_EQ(Beeps(), 4) << "Ctrl+Enter searches once";
        EXPECT_EQ(rows.Count(), 1u) << "Ctrl+Enter: the contains test";
        Inject({{VK_SHIFT, true}, {VK_F1, true}, {VK_F1, false}, {VK_SHIFT, false}});
        ASSERT_EQ(boxes.shown.size(), 1u) << "Shift+F1: the about box";
        EXPECT_EQ(boxes.shown[0].text, L"Vennick\r\nВерсия 1.02.0024\r\n\r\nQuorvel Software, 2026");
        EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK | MB_USERICON));
    });
    Behaviour("a search's rows: drawn on the screen, the action buttons following them", [&] {
        SetSpecification(L"\\lib_xq8\\");
        Click(Control::SearchButton);
        EXPECT_EQ(rows.Count(), 0u) << "a folder name is no module's tail";
        for (Control button : kActionButtons) EXPECT_FALSE(IsEnabled(button));
        EXPECT_EQ(DarkPixelsOfFirstRow(), 0) << "the list drawn again, empty";
        SetSpecification(L"WINDOW_XQ8.DLL");
        Click(Control::SearchButton);
        ASSERT_EQ(rows.Count(), 1u);
        EXPECT_EQ(std::tuple(rows.Row(0).program, rows.Row(0).moduleVersion, rows.Row(0).modulePath),
                  std::tuple(std::wstring(L"vennick_test_helper.exe"), std::wstring(L"5.1.3.2600"), module));
        EXPECT_GT(DarkPixelsOfFirstRow(), 20) << "the row is drawn on the screen";
        for (Control button : kActionButtons) EXPECT_TRUE(IsEnabled(button));
    });
    Behaviour("the tab order after the list: the three buttons, then the box", [&] {
        SetFocus(Handle(Control::SaveBatchButton));
        for (Control next : {Control::TerminateButton, Control::RelaunchButton, Control::SpecificationBox}) {
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), Handle(next));
        }
    });
    Behaviour("terminate keeps the rows and the buttons, for starting the programs again", [&] {
        Click(Control::TerminateButton);  // the confirmation answered OK
        EXPECT_TRUE(helper.WaitForExit(5'000));
        EXPECT_EQ(rows.Count(), 1u);
        for (Control button : kActionButtons) EXPECT_TRUE(IsEnabled(button));
        EXPECT_EQ(Beeps(), 7) << "every search and the terminate end with a beep";
    });
    Behaviour("a search that disables the focused button gives the focus to the box, «Найти» drawn as default", [&] {
        const SystemKeyboard system;
        SetFocus(Handle(Control::TerminateButton));
        SetSpecification(L"no_such_module_xq25.dll");
        Inject({{VK_CONTROL, true}, {VK_RETURN, true}, {VK_RETURN, false}, {VK_CONTROL, false}});
        EXPECT_FALSE(IsEnabled(Control::TerminateButton));
        EXPECT_EQ(GetFocus(), Handle(Control::SpecificationBox)) << "the keyboard still reaches the window";
        EXPECT_TRUE(DrawnAsDefault(Control::SearchButton));
    });
    Behaviour("Enter, Ctrl+Enter, Shift+F1 and Esc: only the exact mask counts", [&] {
        BeepWatch::beeps.clear();
        const std::size_t boxesBefore = boxes.shown.size();
        SetFocus(Handle(Control::SpecificationBox));
        SetSpecification(L"");
        PressKey(VK_RETURN, kCtrlMask);
        EXPECT_EQ(Beeps(), 0) << "an empty box: no search";
        TypeText(L"no_such_module_xq9.dll");
        PressKey(VK_RETURN);
        EXPECT_EQ(Beeps(), 1) << "Enter presses the default button";
        for (int shift = 1; shift < 8; ++shift) {  // Shift 1, Ctrl 2, Alt 4
            if (shift != 2) PressKey(VK_RETURN, shift);
            if (shift != 1) PressKey(VK_F1, shift);
            PressKey(VK_ESCAPE, shift);
        }
        EXPECT_EQ(Beeps(), 1) << "any other mask: no search";
        EXPECT_EQ(boxes.shown.size(), boxesBefore) << "any other mask: no about box";
        EXPECT_TRUE(IsOpen()) << "any other mask: still open";
    });
}

// Every push button of the design, reached by the keyboard (Tab) or by the mouse: Enter presses that button.
TEST_F(MainWindowTest, EnterPressesEveryPushButtonOfTheDesignHoweverItGotTheFocus)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"enter_xq33.dll");
    const HelperProcess listed({module}), refused({module});
    FailingProcessQueries api;
    api.refused = refused.Id();  // «Подробнее…» and «Проверить все» show
    FakeElevation elevation;
    elevation.answer = ERROR_CANCELLED;
    FakeSaveDialogs dialogs;
    UnexaminedBoxSeen unexamined;
    g_box = &unexamined;
    const UniqueResource<resource_traits::NullIsNone<HHOOK, &UnhookWindowsHookEx>> hook(
        SetWindowsHookExW(WH_CBT, &ReadUnexaminedBox, nullptr, GetCurrentThreadId()));
    Open();
    SetForegroundWindow(window->Handle());
    SetSpecification(L"enter_xq33.dll");
    Click(Control::SearchButton);
    ASSERT_TRUE(IsWindowVisible(Handle(Control::ElevateButton)) && IsEnabled(Control::TerminateButton));
    boxes.answers.assign(64, IDCANCEL);  // the confirmations
    // What each button's command leaves behind.
    const auto ran = [&](Control button) -> std::size_t {
        const auto confirmations = [&](const wchar_t* start) {
            return static_cast<std::size_t>(std::count_if(boxes.shown.begin(), boxes.shown.end(),
                                                          [&](auto& box) { return box.text.rfind(start, 0) == 0; }));
        };
        switch (button) {
        case Control::SearchButton: return BeepWatch::beeps.size();
        case Control::SaveBatchButton: return dialogs.requests.size();
        case Control::TerminateButton: return confirmations(L"Вы действительно хотите завершить");
        case Control::RelaunchButton: return confirmations(L"Вы действительно хотите перезапустить");
        case Control::UnexaminedButton: return static_cast<std::size_t>(unexamined.times);
        case Control::ElevateButton: return elevation.elevatedStarts.size();
        default: return 0;
        }
    };
    int pushButtons = 0;
    for (const main_window::ControlDesign& design : main_window::kControls) {
        if (design.kind != main_window::ControlKind::PushButton) continue;
        ++pushButtons;
        for (const bool byMouse : {false, true}) {
            SCOPED_TRACE(std::wstring(design.caption) + (byMouse ? L", by the mouse" : L", by Tab"));
            std::map<Control, std::size_t> before;
            for (const auto& other : main_window::kControls) before[other.id] = ran(other.id);
            if (byMouse) {
                ClickWithTheMouse(design.id);
                Pump();
            } else {
                SetFocus(Handle(Control::SpecificationBox));
                for (int tabs = 0; tabs < 12 && GetFocus() != Handle(design.id); ++tabs) PressKey(VK_TAB);
            }
            ASSERT_EQ(GetFocus(), Handle(design.id));
            EXPECT_TRUE(DrawnAsDefault(design.id)) << "the focused button is drawn as the default";
            EXPECT_EQ(DrawnAsDefault(Control::SearchButton), design.id == Control::SearchButton);
            PressKey(VK_RETURN);
            for (const auto& other : main_window::kControls) {
                const std::size_t times = other.id == design.id ? (byMouse ? 2 : 1) : 0;
                EXPECT_EQ(ran(other.id) - before[other.id], times) << other.caption;
            }
        }
    }
    EXPECT_EQ(pushButtons, 6);
    SetFocus(Handle(Control::ResultsList));
    EXPECT_TRUE(DrawnAsDefault(Control::SearchButton) && !DrawnAsDefault(Control::ElevateButton))
        << "«Найти» again once the focus leaves the buttons";
    g_box = nullptr;
}

// Each command's boxes as the user meets them (text, style, modal, the hourglass while it runs), its sounds; the real
// save dialog.
TEST_F(MainWindowTest, EachCommandShowsItsBoxesModalUnderTheHourglassAndTheRealSaveDialogOpensWhereItShould)
{
    ScratchFolder folder, current, chosen, kept;
    Open();
    ResultsList& rows = window->Results();
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(current.Path());
    SetSpecification(L"ntdll.dll");
    {
        FailingProcessQueries api;
        api.listingFails = true;
        Click(Control::SearchButton);
        FailingSnapshots snapshots;
        host.windows9x = true;
        Click(Control::SearchButton);
        host.windows9x = false;
    }
    Click(Control::SearchButton);
    ASSERT_GT(rows.Count(), 0u);
    rows.Clear();
    const HelperProcess running({});  // still running, so a failure to end it is reported
    const FakeElevation notElevated;  // under Wine every program is: relaunch starts directly
    FailingProcessQueries api;
    api.unopenable = running.Id();
    AddRow(rows, running.Id(), L"C:\\gone\\first.exe", std::nullopt, std::nullopt, OwnerHere());
    Click(Control::TerminateButton);
    Click(Control::RelaunchButton);
    {
        FakeSaveDialogs dialogs;
        dialogs.answers = {folder.Path() + L"\\vanished\\r.bat", folder.Path() + L"\\r.bat"};
        Click(Control::SaveBatchButton);
        Click(Control::SaveBatchButton);
    }
    EXPECT_EQ(PointerOver(window->Handle()), LoadCursorW(nullptr, IDC_ARROW)) << "the arrow is back";
    EXPECT_EQ(BeepWatch::beeps, std::vector<UINT>(5, MB_OK)) << "three searches, a terminate, a relaunch";

    const std::wstring terminate = L"Вы действительно хотите завершить все перечисленные программы? Все несохранённые "
                                   L"данные могут быть утеряны!";
    const std::wstring relaunch = L"Вы действительно хотите перезапустить перечисленные программы? Если они не были "
                                  L"завершены ранее, то они будут запущены повтороно!";
    const std::tuple<std::wstring, UINT, bool> expected[] = {
        {L"Can't enum processes!", MB_ICONSTOP, true},
        {L"Can't create Tool Help process snapshot.\r\n\r\nНедостаточно памяти для выполнения команды.", MB_ICONSTOP, true},
        {terminate, MB_OKCANCEL | MB_ICONEXCLAMATION, false},
        {L"C:\\gone\\first.exe\r\n\r\nНе удаётся завершить процесс с идентификатором 0x", MB_ICONSTOP, true},
        {relaunch, MB_OKCANCEL | MB_ICONEXCLAMATION, false},
        {L"C:\\gone\\first.exe\r\n\r\nНе удаётся запустить программу.", MB_ICONSTOP, true},
        {folder.Path() + L"\\vanished\\r.bat\r\n\r\nНе удаётся сохранить пакетный файл.", MB_ICONSTOP, false},
        {folder.Path() + L"\\r.bat\r\n\r\nПакетный файл сохранён успешно.", MB_ICONINFORMATION, false},
    };
    EXPECT_EQ(boxes.shown.size(), std::size(expected));
    for (std::size_t i = 0; i < std::min(std::size(expected), boxes.shown.size()); ++i) {
        const auto& [text, style, hourglass] = expected[i];
        const auto& shown = boxes.shown[i];
        SCOPED_TRACE(text);
        // A failure's own description follows the message; the terminate's and the save's vary with the cause.
        EXPECT_EQ(shown.text.substr(0, i == 3 || i == 6 ? text.size() : std::wstring::npos), text);
        EXPECT_EQ(shown.style, style);
        EXPECT_EQ(shown.hourglass, hourglass) << "the hourglass over the window while the box is up";
    }

    Behaviour("the real save dialog: owned, its filter, asks before replacing, opens in the folder kept", [&] {
        std::ofstream(std::filesystem::path(chosen.Path() + L"\\r.bat")) << "old";
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick");  // no folder kept from the saves above
        const std::size_t boxesBefore = boxes.shown.size();
        SaveDialogSeen seen[2];
        seen[0].answer = chosen.Path() + L"\\r";
        for (SaveDialogSeen& dialog : seen) {
            g_dialog = &dialog;
            const UniqueResource<resource_traits::NullIsNone<HHOOK, &UnhookWindowsHookEx>> hook(
                SetWindowsHookExW(WH_CBT, &DriveSaveDialog, nullptr, GetCurrentThreadId()));
            Click(Control::SaveBatchButton);
            // The folder the program keeps for the next save: the dialog opens where it says.
            WriteRegistryString(CreateRegistryKey(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick").get(),
                                L"Last Save BAT Path", kept.Path());
        }
        g_dialog = nullptr;
        EXPECT_EQ(std::filesystem::current_path(), current.Path()) << "the program's current folder stays";
        EXPECT_EQ(std::tuple(seen[0].owner, seen[0].type, seen[0].types),
                  std::tuple(window->Handle(), std::wstring(L"Пакетные файлы"), LRESULT{2}));
        EXPECT_EQ(seen[1].folder, kept.Path()) << "opened in the folder kept";
        EXPECT_NE(seen[0].question.find(L"Заменить"), std::wstring::npos) << seen[0].question;
        EXPECT_EQ(boxes.shown.size(), boxesBefore + 1) << "saved once, then cancelled";
    });
    std::filesystem::current_path(started);
}

// Terminate's wait: the window paints and answers, while what the user did meanwhile waits for its end.
TEST_F(MainWindowTest, WhileTerminateWaitsAClickEscAndCloseWaitForItsEndAndALogoffStillStoresTheWidths)
{
    Open();
    SetForegroundWindow(window->Handle());
    SetSpecification(L"ntdll.dll");
    Click(Control::SearchButton);  // rows, and the action buttons
    ResultsList& rows = window->Results();
    for (const bool closing : {false, true}) {
        SlowProcesses slow;
        slow.undying = {1};
        rows.Clear();
        for (int i = 0; i < 2; ++i) AddRow(rows, slow.processes[i].id, L"C:\\Slow\\slow.exe", slow.processes[i].started);
        boxes.shown.clear();
        boxes.answers = {IDOK, IDOK, IDCANCEL};
        boxes.answerLate = true;  // as a user reads the report
        bool openDuringTheWait = false;
        std::optional<DWORD> storedDuringTheWait;
        slow.onFirstWait = [&] {  // the user's real mouse and keyboard
            if (!closing) {
                ClickWithTheMouse(Control::TerminateButton);
                // Into the tray and back while terminate waits: the click still waits.
                ShowWindow(window->Handle(), SW_MINIMIZE);
                SendMessageW(window->Handle(), TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
                return;
            }
            keybd_event(VK_ESCAPE, 0, 0, 0);
            keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
            SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
            SendMessageW(window->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            openDuringTheWait = IsOpen();
            storedDuringTheWait = StoredWidth(L"Column 3 Width");
        };
        Click(Control::TerminateButton);
        ASSERT_GE(boxes.shown.size(), 2u);
        EXPECT_NE(boxes.shown[1].text.find(L"Таймаут."), std::wstring::npos) << "the one that still runs";
        if (!closing) {
            ASSERT_EQ(boxes.shown.size(), 3u) << "the second click ran once the first terminate had ended";
            EXPECT_EQ(boxes.shown[2].text, boxes.shown[0].text);
            continue;
        }
        EXPECT_TRUE(openDuringTheWait) << "the close command waits";
        EXPECT_TRUE(storedDuringTheWait.has_value()) << "a logoff during the wait stores the widths at once";
        EXPECT_FALSE(IsOpen()) << "closed once terminate has ended";
        EXPECT_EQ(boxes.shown.size(), 2u);
    }
}

// A process still starting runs, and nothing of it can be read: the real case of one the search could not examine.
TEST_F(MainWindowTest, TheStatusBandSaysWhatTheSearchFoundAndCouldNotExamineAndItsBoxNamesThem)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"band_xq27.dll");
    const HelperProcess examined({module});
    HelperProcess starting({module}, HelperProgramPath(), L"", true);
    Open();
    EXPECT_EQ(WindowText(Handle(Control::Status)), L"") << "empty before the first search";
    SetSpecification(L"band_xq27.dll");
    Click(Control::SearchButton);
    Behaviour("the rows, their processes and the one that could not be examined", [&] {
        EXPECT_EQ(WindowText(Handle(Control::Status)),
                  L"Найдено строк: 1, процессов: 1. Не удалось проверить процессов: 1.");
        EXPECT_TRUE(IsWindowVisible(Handle(Control::UnexaminedButton)));
        EXPECT_FALSE(IsWindowVisible(Handle(Control::ElevateButton))) << "under Wine every program has full rights";
    });
    Behaviour("its box names it by its program and its id, owned by the window", [&] {
        UnexaminedBoxSeen seen;
        g_box = &seen;
        const UniqueResource<resource_traits::NullIsNone<HHOOK, &UnhookWindowsHookEx>> hook(
            SetWindowsHookExW(WH_CBT, &ReadUnexaminedBox, nullptr, GetCurrentThreadId()));
        Click(Control::UnexaminedButton);
        g_box = nullptr;
        EXPECT_EQ(seen.list, L"vennick_test_helper.exe (" + std::to_wstring(starting.Id()) + L")\r\n");
        EXPECT_EQ(std::pair(seen.title, seen.owner), std::pair(std::wstring(L"Quorvel - Vennick"), window->Handle()));
    });
    Behaviour("resumed, a new search examines it; the band's control that had the focus gives it to the box", [&] {
        starting.Resume();
        SetFocus(Handle(Control::UnexaminedButton));
        PressKey(VK_RETURN, kCtrlMask);
        EXPECT_EQ(GetFocus(), Handle(Control::SpecificationBox));
        EXPECT_EQ(WindowText(Handle(Control::Status)), L"Найдено строк: 2, процессов: 2.");
        EXPECT_FALSE(IsWindowVisible(Handle(Control::UnexaminedButton)));
    });
}

// The token and the shell answer through their seams: under Wine every program has full rights.
TEST_F(MainWindowTest, TheOfferStartsThisSearchWithFullRightsAndTheWindowClosesOnlyOnceThatCopyStarted)
{
    ScratchFolder folder, current;
    const HelperProcess refused({folder.AddModule(ModuleKind::NoVersion, L"offer_xq28.dll")});
    FailingProcessQueries api;
    api.refused = refused.Id();
    FakeElevation elevation;
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(current.Path());
    Open();
    EXPECT_EQ(elevation.allowed, (std::vector<std::pair<HWND, UINT>>{{window->Handle(), RegisterWindowMessageW(
        L"TaskbarCreated")}})) << "an elevated window hears a restarting Explorer";
    SetSpecification(L"a \"b\"  c");
    keyboard.heldNow = kCtrlMask;
    Click(Control::SearchButton);
    keyboard.heldNow = 0;
    ASSERT_TRUE(IsWindowVisible(Handle(Control::ElevateButton))) << "without elevation, a process refused";
    const std::wstring self = BuildFolder() + L"window_tests.exe";
    Behaviour("declined at the prompt: nothing changes, nothing is said", [&] {
        elevation.answer = ERROR_CANCELLED;
        Click(Control::ElevateButton);
        ASSERT_EQ(elevation.elevatedStarts.size(), 1u);
        EXPECT_EQ(elevation.elevatedStarts[0].program, self);
        EXPECT_EQ(elevation.elevatedStarts[0].arguments, L"/elevated:contains a \"b\"  c");
        EXPECT_EQ(elevation.elevatedStarts[0].folder, current.Path());
        EXPECT_TRUE(IsOpen() && boxes.shown.empty());
    });
    Behaviour("from a folder on a mapped drive, which the elevated session may not see, it starts in none", [&] {
        host.notFixed = {DriveRootOf(current.Path())};
        Click(Control::ElevateButton);
        ASSERT_EQ(elevation.elevatedStarts.size(), 2u);
        EXPECT_EQ(elevation.elevatedStarts[1].folder, L"");
        host.notFixed.clear();
    });
    Behaviour("another failure is reported as a program that cannot be started", [&] {
        elevation.answer = ERROR_FILE_NOT_FOUND;
        Click(Control::ElevateButton);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, self + L"\r\n\r\nНе удаётся запустить программу.\r\n\r\nФайл не найден.");
        EXPECT_TRUE(IsOpen());
    });
    Behaviour("started: the column widths are stored first, then the window closes", [&] {
        elevation.answer = ERROR_SUCCESS;
        bool openAtTheStart = false;
        std::optional<DWORD> widthAtTheStart;
        elevation.onElevatedStart = [&] {
            openAtTheStart = IsOpen();
            widthAtTheStart = StoredWidth(L"Column 1 Width");
        };
        Click(Control::ElevateButton);
        EXPECT_TRUE(openAtTheStart && widthAtTheStart.has_value());
        EXPECT_FALSE(IsOpen());
    });
    Behaviour("the copy it started searches the same way and never makes the offer", [&] {
        Open(L"/elevated:contains a \"b\"  c");
        PumpFor(300);
        EXPECT_EQ(WindowText(Handle(Control::SpecificationBox)), L"a \"b\"  c");
        EXPECT_NE(WindowText(Handle(Control::Status)).find(L"Не удалось проверить процессов: 1."), std::wstring::npos);
        EXPECT_FALSE(IsWindowVisible(Handle(Control::ElevateButton)));
    });
    Behaviour("elevated, the program does not offer what it has", [&] {
        Open();
        elevation.elevated = true;
        SetSpecification(L"offer_xq28.dll");
        Click(Control::SearchButton);
        EXPECT_FALSE(IsWindowVisible(Handle(Control::ElevateButton)));
        elevation.elevated = false;
    });
    Behaviour("refused by a protected process only, which full rights do not read either: no offer", [&] {
        api.protectedOne = refused.Id();
        Click(Control::SearchButton);
        EXPECT_TRUE(IsWindowVisible(Handle(Control::UnexaminedButton)));
        EXPECT_FALSE(IsWindowVisible(Handle(Control::ElevateButton)));
    });
    std::filesystem::current_path(started);
}

// The documented way to replace a DLL in use: rename it, put the new file in its place. The process that loaded the
// old one runs it still, under the old path.
TEST_F(MainWindowTest, TheVersionColumnSaysWhoStillRunsTheOldCopyOfAReplacedModuleAndTheListCanKeepOnlyThose)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"copy_xq30.dll");
    const std::wstring second = folder.AddModule(ModuleKind::Version5_1_3_2600, L"second_xq30.dll");
    const std::wstring other = folder.AddModule(ModuleKind::Version5_1_0_2600, L"other_xq30.dll");
    const HelperProcess holder({module, second, other}), bystander({other});
    for (const std::wstring& replaced : {module, second}) {
        ASSERT_TRUE(MoveFileW(replaced.c_str(), (replaced + L".old").c_str()));
    }
    const auto putNewCopy = [&] { folder.AddModule(ModuleKind::Version6_0_0_1, L"copy_xq30.dll"); };
    putNewCopy();
    folder.AddModule(ModuleKind::Version6_0_0_1, L"second_xq30.dll");
    Open();
    SetForegroundWindow(window->Handle());
    SetSpecification(L"_xq30.dll");
    const HWND list = Handle(Control::ResultsList);
    // What the list shows: the version column of each row, in order.
    const auto versionColumn = [&] {
        std::vector<std::wstring> shown;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            wchar_t text[128] = {};
            ListView_GetItemText(list, row, 1, text, 128);
            shown.emplace_back(text);
        }
        return shown;
    };
    Behaviour("the old copy's version, read from the process, and the new one on disk; the band counts it", [&] {
        Click(Control::SearchButton);
        const std::wstring replaced = L"5.1.3.2600 (на диске 6.0.1)";
        EXPECT_EQ(versionColumn(), (std::vector<std::wstring>{replaced, replaced, L"5.1.2600", L"5.1.2600"}));
        EXPECT_EQ(WindowText(Handle(Control::Status)),
                  L"Найдено строк: 4, процессов: 2. Процессов со старой копией модуля: 1.") << "processes, not rows";
    });
    Behaviour("the new file deleted: the old copy runs with no file at its path", [&] {
        ASSERT_TRUE(DeleteFileW(module.c_str())) << "the new copy is loaded by none";
        Click(Control::SearchButton);
        EXPECT_EQ(versionColumn()[0], L"5.1.3.2600 (файла нет)");
        putNewCopy();
    });
    Behaviour("the list's menu keeps only the old copy's row, the counts follow, and terminate acts on it alone", [&] {
        Click(Control::SearchButton);
        ListView_SetItemState(list, 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        SetFocus(list);
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {  // inside the menu's own loop
            KillTimer(nullptr, timer);
            for (const BYTE key : {VK_DOWN, VK_DOWN, VK_RETURN}) {  // «Копировать», then past the separator
                keybd_event(key, 0, 0, 0);
                keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
            }
        });
        Inject({{VK_SHIFT, true}, {VK_F10, true}, {VK_F10, false}, {VK_SHIFT, false}});
        for (const ULONGLONG end = GetTickCount64() + 1'000; GetTickCount64() < end && versionColumn().size() == 4;) Pump();
        EXPECT_EQ(versionColumn(), std::vector<std::wstring>(2, L"5.1.3.2600 (на диске 6.0.1)"));
        EXPECT_EQ(WindowText(Handle(Control::Status)),
                  L"Найдено строк: 2, процессов: 1. Процессов со старой копией модуля: 1.");
        Click(Control::TerminateButton);
        EXPECT_TRUE(holder.WaitForExit(5'000));
        EXPECT_TRUE(bystander.IsRunning());
    });
}

// Wine's own service manager runs the project's test service: a service host is stopped and started through it.
TEST_F(MainWindowTest, AServiceHostIsNamedStoppedStartedAndSavedAsItsServicesThroughTheServiceManager)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"service_xq29.dll");
    const InstalledService service(L"VennickWindowXq29", L"", {module});
    Open();
    SetSpecification(L"service_xq29.dll");
    const auto firstColumn = [&] {
        wchar_t text[128] = {};
        ListView_GetItemText(Handle(Control::ResultsList), 0, 0, text, 128);
        return std::wstring(text);
    };
    const DWORD host = service.ProcessId();
    Behaviour("its row names its service; the batch file starts it by name", [&] {
        Click(Control::SearchButton);
        ASSERT_EQ(window->Results().Count(), 1u);
        EXPECT_EQ(firstColumn(), L"vennick_test_service.exe (VennickWindowXq29)");
        FakeSaveDialogs dialogs;
        dialogs.answers = {folder.Path() + L"\\services.bat"};
        Click(Control::SaveBatchButton);
        EXPECT_EQ(ReadBytes(folder.Path() + L"\\services.bat"),
                  "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n\r\n  GOTO END\r\n\r\n:WIN_NT\r\n\r\n"
                  "  NET START \"VennickWindowXq29\"\r\n\r\n:END\r\n");
    });
    Behaviour("terminate stops it through the manager, and its host ends: no box but the confirmation", [&] {
        boxes.shown.clear();
        Click(Control::TerminateButton);
        EXPECT_EQ(service.State(), static_cast<DWORD>(SERVICE_STOPPED));
        const UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, host));
        EXPECT_TRUE(!process || WaitForSingleObject(process.get(), 5'000) == WAIT_OBJECT_0);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_NE(boxes.shown[0].text.find(L"\r\n\r\nБудут остановлены службы: VennickWindowXq29."), std::wstring::npos);
    });
    Behaviour("relaunch starts it through the manager: once it runs, a search finds it again", [&] {
        boxes.shown.clear();
        Click(Control::RelaunchButton);
        EXPECT_TRUE(service.WaitForState(SERVICE_RUNNING, 10'000));
        EXPECT_EQ(boxes.shown.size(), 1u) << "no failure";
        for (const ULONGLONG end = GetTickCount64() + 5'000; GetTickCount64() < end && window->Results().Count() == 0;) {
            Click(Control::SearchButton);
        }
        EXPECT_EQ(firstColumn(), L"vennick_test_service.exe (VennickWindowXq29)");
        EXPECT_NE(service.ProcessId(), host);
    });
    Behaviour("one that takes no stop request is reported with the manager's reason, and its host keeps running", [&] {
        const InstalledService refusing(L"VennickRefusingXq29", L"--refuse-stop", {module});
        SetSpecification(L"service_xq29.dll");
        Click(Control::SearchButton);
        boxes.shown.clear();
        Click(Control::TerminateButton);
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[1].text.rfind(TestServiceProgramPath() +
                                                L"\r\n\r\nНе удаётся остановить службу «VennickRefusingXq29».\r\n\r\n", 0),
                  0u);
        EXPECT_EQ(refusing.State(), static_cast<DWORD>(SERVICE_RUNNING));
    });
    Behaviour("one that takes 8 seconds to stop is waited for", [&] {
        const InstalledService slow(L"VennickSlowXq29", L"--slow-stop", {module});
        Click(Control::SearchButton);
        boxes.shown.clear();
        Click(Control::TerminateButton);
        EXPECT_EQ(slow.State(), static_cast<DWORD>(SERVICE_STOPPED));
        EXPECT_EQ(boxes.shown.size(), 1u) << "no failure";
    });
}

// Elevated (as every program is under Wine), with no desktop shell to start the user's programs with their own rights.
TEST_F(MainWindowTest, ElevatedWithoutADesktopShellRelaunchAsksOnceAndStartsWithFullRightsOnlyOnYesWithoutTheDebugPrivilege)
{
    ScratchFolder folder;
    const std::wstring first = folder.Copy(HelperProgramPath(), L"first_xq31.exe");
    const std::wstring second = folder.Copy(HelperProgramPath(), L"second_xq31.exe");
    FakeElevation elevation;
    elevation.elevated = true;
    elevation.desktopAnswer = ERROR_NOT_SUPPORTED;
    Open();
    AddRow(window->Results(), 4, first, std::nullopt, std::nullopt, OwnerHere());
    AddRow(window->Results(), 8, second, std::nullopt, std::nullopt, OwnerHere());
    EnableControl(window->Handle(), Control::RelaunchButton, true);
    constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    const std::wstring question = L"Оболочка рабочего стола не отвечает, и запустить программы с обычными правами "
                                  L"пользователя нельзя. Запустить их с правами администратора?";
    Behaviour("No: nothing is started, and nothing more is said", [&] {
        boxes.answers = {IDOK, IDNO};
        Click(Control::RelaunchButton);
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(std::pair(boxes.shown[1].text, boxes.shown[1].style), std::pair(question, kQuestion));
        EXPECT_TRUE(elevation.directStarts.empty());
    });
    Behaviour("Yes: every program started directly, asked once, the search's debug privilege not passed on", [&] {
        ASSERT_TRUE(EnableDebugPrivilege(true)) << "as the search leaves it";
        boxes.shown.clear();
        boxes.answers = {IDOK, IDYES};
        Click(Control::RelaunchButton);
        EXPECT_EQ(boxes.shown.size(), 2u) << "one question for all";
        ASSERT_EQ(elevation.directStarts.size(), 2u);
        EXPECT_EQ(WorkingFoldersOfStarts(second, 1), folder.Path() + L"\n");
        EXPECT_EQ(ReadBytes(first + L".debug"), "0") << "the started program's token";
    });
}

TEST_F(MainWindowTest, TheSelectedRowsGoToTheClipboardByCtrlCOrTheListsMenuAndTheBoxKeepsItsOwnKeys)
{
    ScratchFolder folder;
    const std::wstring a = folder.AddModule(ModuleKind::NoVersion, L"copy_a_xq29.dll");
    const std::wstring b = folder.AddModule(ModuleKind::Version5_1_3_2600, L"copy_b_xq29.dll");
    const HelperProcess helper({a, b});
    const SystemKeyboard system;
    Open();
    SetForegroundWindow(window->Handle());
    SetSpecification(L"_xq29.dll");
    Click(Control::SearchButton);
    EXPECT_EQ(WindowText(Handle(Control::Status)), L"Найдено строк: 2, процессов: 1.") << "one process on two rows";
    const HWND list = Handle(Control::ResultsList);
    const std::wstring headers = L"Имя процесса\tВерсия модуля\tПолное имя файла модуля\r\n";
    const std::wstring rowA = L"vennick_test_helper.exe\t---\t" + a + L"\r\n";
    const std::wstring rowB = L"vennick_test_helper.exe\t5.1.3.2600\t" + b + L"\r\n";
    Behaviour("Ctrl+A in the list selects every row, Ctrl+C copies them under the headers", [&] {
        SetFocus(list);
        Inject({{VK_CONTROL, true}, {'A', true}, {'A', false}, {'C', true}, {'C', false}, {VK_CONTROL, false}});
        EXPECT_EQ(ClipboardText(), headers + rowA + rowB);
    });
    Behaviour("nothing selected: nothing is copied", [&] {
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        PutTextOnClipboard(nullptr, L"before");
        Inject({{VK_CONTROL, true}, {'C', true}, {'C', false}, {VK_CONTROL, false}});
        EXPECT_EQ(ClipboardText(), L"before");
    });
    Behaviour("the list's menu, opened with Shift+F10: «Копировать» copies the selected row", [&] {
        ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {  // inside the menu's own loop
            KillTimer(nullptr, timer);
            for (const BYTE key : {VK_DOWN, VK_RETURN}) {
                keybd_event(key, 0, 0, 0);
                keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
            }
        });
        Inject({{VK_SHIFT, true}, {VK_F10, true}, {VK_F10, false}, {VK_SHIFT, false}});
        for (const ULONGLONG end = GetTickCount64() + 1'000; GetTickCount64() < end && ClipboardText() == L"before";) Pump();
        EXPECT_EQ(ClipboardText(), headers + rowB);
    });
    Behaviour("in the module specification box Ctrl+A and Ctrl+C keep their own meaning", [&] {
        SetFocus(Handle(Control::SpecificationBox));
        SendMessageW(Handle(Control::SpecificationBox), EM_SETSEL, 0, -1);
        Inject({{VK_CONTROL, true}, {'C', true}, {'C', false}, {VK_CONTROL, false}});
        EXPECT_EQ(ClipboardText(), L"_xq29.dll");
    });
}

TEST_F(MainWindowTest, MinimizesBehindTheTrayIconAndComesBackByClickKeyboardOrANewTaskbar)
{
    Open();
    Behaviour("minimized, it hides behind the icon with the program's picture and the caption as the tooltip", [&] {
        Minimize();
        EXPECT_FALSE(IsWindowVisible(window->Handle()));
        ASSERT_FALSE(notificationArea.changes.empty());
        EXPECT_EQ(notificationArea.changes[0].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(notificationArea.changes[0].tip, L"Vennick");
        const UniqueHicon picture(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"A_MAIN", IMAGE_ICON, 16, 16, 0)));
        EXPECT_EQ(Pixels(notificationArea.changes[0].icon), Pixels(picture.get()));
    });
    Behaviour("a click and a minimize waiting in the queue run inside the restore: neither may lose the window", [&] {
        PostMessageW(window->Handle(), TrayIcon::kCallbackMessage, 1, WM_LBUTTONUP);
        PostMessageW(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ActivateIcon();
        ExpectWindowBack();
    });
    Behaviour("the keyboard brings it back; the tooltip is computed anew and cut to what the shell takes", [&] {
        SetSpecification(std::wstring(300, L'm'));
        Minimize();
        ActivateIcon(NIN_KEYSELECT);
        ExpectWindowBack();
        EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE));
        Minimize();
        EXPECT_EQ(notificationArea.changes.back().tip, L"Vennick :: " + std::wstring(115, L'm') + L"\u2026");
    });
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    Behaviour("a new taskbar knows none of the old icons: the icon is added again, keyboard selection too", [&] {
        NOTIFYICONDATAW gone{};
        gone.cbSize = sizeof gone;
        gone.hWnd = window->Handle();
        gone.uID = 1;
        ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
        const std::size_t before = notificationArea.changes.size();
        SendMessageW(window->Handle(), taskbarCreated, 0, 0);
        ASSERT_EQ(notificationArea.changes.size(), before + 2);
        EXPECT_EQ(notificationArea.changes[before].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(notificationArea.changes[before + 1].message, static_cast<DWORD>(NIM_SETVERSION));
        EXPECT_FALSE(IsWindowVisible(window->Handle()));
    });
    Behaviour("the icon goes with the window", [&] {
        SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
        Pump();
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE));
    });
    Behaviour("hidden without an icon the window could never come back: a refusing taskbar shows it again", [&] {
        Open();
        Minimize();
        notificationArea.refuse = true;
        SendMessageW(window->Handle(), taskbarCreated, 0, 0);
        Pump();
        ExpectWindowBack();
        Minimize();
        EXPECT_TRUE(IsWindowVisible(window->Handle()) && IsIconic(window->Handle())) << "minimized on the taskbar";
        EXPECT_FALSE(window->Tray().IconVisible());
    });
    Behaviour("an icon NIM_ADD and NIM_MODIFY refuse is asked for again by a new taskbar, which then hides the window", [&] {
        const std::size_t before = notificationArea.changes.size();
        SendMessageW(window->Handle(), taskbarCreated, 0, 0);
        EXPECT_EQ(notificationArea.Messages(before), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY})) << "still refused";
        notificationArea.refuse = false;
        SendMessageW(window->Handle(), taskbarCreated, 0, 0);
        EXPECT_TRUE(window->Tray().IconVisible());
        EXPECT_FALSE(IsWindowVisible(window->Handle()));
        ActivateIcon();
        ExpectWindowBack();
    });
    Behaviour("NIM_ADD failed and NIM_MODIFY taken: the icon was there all the same (a timeout at logon)", [&] {
        notificationArea.addTimesOut = true;
        const std::size_t before = notificationArea.changes.size();
        Minimize();
        EXPECT_EQ(notificationArea.Messages(before), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_SETVERSION}));
        EXPECT_FALSE(IsWindowVisible(window->Handle()));
        notificationArea.addTimesOut = false;
    });
    Behaviour("on a failure the icon leaves the notification area before its window goes", [&] {
        window.reset();
        ASSERT_FALSE(notificationArea.changes.empty());
        EXPECT_EQ(notificationArea.changes.back().message, static_cast<DWORD>(NIM_DELETE));
        EXPECT_TRUE(notificationArea.changes.back().windowExists);
    });
}

TEST_F(MainWindowTest, LayoutFontAndIconsAreTheDesignAtTheWindowsDpi)
{
    Open();
    const UINT dpi = DpiOfWindow(window->Handle());
    if (const char* wanted = std::getenv("VENNICK_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, std::stoul(wanted)) << "the screen's DPI did not reach the window";
    }
    const auto layout = std::find_if(std::begin(kLayouts), std::end(kLayouts), [&](auto& l) { return l.dpi == dpi; });
    ASSERT_NE(layout, std::end(kLayouts)) << dpi << " dpi has no table";
    ExpectLayout(*layout);
    EXPECT_EQ(IconWidth(window->Handle(), ICON_SMALL), layout->smallIcon);
    EXPECT_EQ(IconWidth(window->Handle(), ICON_BIG), layout->bigIcon);

    // Moved to a monitor of another DPI: the system suggests the frame of that DPI.
    const DpiLayout& other = kLayouts[(layout - kLayouts + 1) % std::size(kLayouts)];
    RECT frame{};
    GetWindowRect(window->Handle(), &frame);
    frame.right += other.client.cx - layout->client.cx;
    frame.bottom += other.client.cy - layout->client.cy;
    SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(other.dpi, other.dpi), reinterpret_cast<LPARAM>(&frame));
    ExpectLayout(other, 1);
    EXPECT_EQ(IconWidth(window->Handle(), ICON_SMALL), other.smallIcon) << "the icons drawn for the new DPI";
    EXPECT_EQ(IconWidth(window->Handle(), ICON_BIG), other.bigIcon);

    const auto small = reinterpret_cast<HICON>(SendMessageW(window->Handle(), WM_GETICON, ICON_SMALL, 0));
    window.reset();
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(small, &info)) << "the window's icons go with it";
}

// Also the apartment of a window not shown (Wine's input methods enter one for a shown window).
TEST_F(MainWindowTest, AFailureWhileStartingIsShownAndEndsTheProgramWithNothingKept)
{
    host.failure = L"Сбой при проверке среды.";
    window.emplace();
    EXPECT_FALSE(window->Create()) << "the window does not come into being half made";
    Pump();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Сбой при проверке среды.");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(std::exchange(quitPosted, false));
    EXPECT_FALSE(StoredWidth(L"Column 1 Width")) << "a window whose loading failed keeps nothing";

    host.failure.reset();
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    window.emplace();
    ASSERT_TRUE(window->Create());
    ASSERT_EQ(CoGetApartmentType(&type, &qualifier), S_OK) << "ShellExecuteEx and the save dialog want one";
    EXPECT_EQ(type, APTTYPE_MAINSTA);
    window.reset();
    EXPECT_EQ(CoGetApartmentType(&type, &qualifier), CO_E_NOTINITIALIZED);
}

TEST_F(MainWindowTest, TheCommandLineGoesTrimmedIntoTheBoxAndIsSearchedOnceTheWindowIsUp)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq15\\cmdline_xq15.dll");
    const HelperProcess helper({module});
    // command line, a development run; then the box, the searches, the rows (-1: more than one)
    const std::tuple<const wchar_t*, bool, const wchar_t*, int, int> cases[] = {
        {L"", false, L"", 0, 0},
        {L"  cmdline_xq15.dll \t ", false, L"cmdline_xq15.dll", 1, 1},
        {L"\" \t \"", false, L"", 1, -1},  // trims (quotes too) to nothing: every module path ends with ""
        {L"", true, L"Mereholt0301.DLL", 0, 0},  // a development run shows a sample
        {L"cmdline_xq15.dll", true, L"cmdline_xq15.dll", 1, 1},  // which the command line replaces
    };
    for (const auto& [commandLine, debuggerAttached, box, searches, rows] : cases) {
        host.debuggerAttached = debuggerAttached;
        BeepWatch::beeps.clear();
        Open(commandLine);
        EXPECT_EQ(WindowText(Handle(Control::SpecificationBox)), box) << commandLine;
        EXPECT_EQ(IsEnabled(Control::SearchButton), *box != L'\0') << commandLine;
        PumpFor(300);
        EXPECT_EQ(Beeps(), searches) << commandLine << ": the timer fires once";
        const int listed = static_cast<int>(window->Results().Count());
        EXPECT_TRUE(rows < 0 ? listed > 1 : listed == rows) << commandLine << ": " << listed << " rows";
        if (listed == 1) {
            EXPECT_EQ(window->Results().Row(0).modulePath, module);
        }
        // A development run's window keeps the development environment's icons.
        EXPECT_EQ(SendMessageW(window->Handle(), WM_GETICON, ICON_SMALL, 0) != 0, !debuggerAttached) << commandLine;
        window.reset();
        Pump();
    }
}

TEST_F(MainWindowTest, ColumnWidthsAreKeptInTwipsWhenTheWindowClosesOrTheSessionEnds)
{
    {
        const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, kWidthsKey);
        WriteRegistryString(key.get(), L"Column 1 Width", L"3000");
        WriteRegistryDword(key.get(), L"Column 2 Width", 0);  // a column that could never be seen again
        WriteRegistryDword(key.get(), L"Column 3 Width", 9'999'999);
    }
    Open();
    const auto width = [&](int column) { return SendMessageW(Handle(Control::ResultsList), LVM_GETCOLUMNWIDTH, column, 0); };
    EXPECT_EQ(std::vector({width(0), width(1), width(2)}), std::vector<LRESULT>({163, 106, 427})) << "garbage: the design";
    EXPECT_TRUE(boxes.shown.empty());
    const auto extended = static_cast<DWORD>(SendMessageW(Handle(Control::ResultsList), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    constexpr DWORD kStyles = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_LABELTIP;
    EXPECT_EQ(extended & kStyles, kStyles);

    SendMessageW(Handle(Control::ResultsList), LVM_SETCOLUMNWIDTH, 0, 200);
    SendMessageW(Handle(Control::ResultsList), LVM_SETCOLUMNWIDTH, 2, 50);
    PressKey(VK_ESCAPE);
    ASSERT_FALSE(IsOpen()) << "Esc closes";
    EXPECT_TRUE(quitPosted) << "and the program ends";
    EXPECT_EQ(StoredWidth(L"Column 1 Width"), 3000u);
    EXPECT_EQ(StoredWidth(L"Column 2 Width"), 1590u) << "an untouched width is stored as it is";
    EXPECT_EQ(StoredWidth(L"Column 3 Width"), 750u);
    Open();
    EXPECT_EQ(std::vector({width(0), width(1), width(2)}), std::vector<LRESULT>({200, 106, 50}));

    // Logging off: Windows ends the process once the window has answered WM_ENDSESSION.
    SendMessageW(Handle(Control::ResultsList), LVM_SETCOLUMNWIDTH, 1, 90);
    SendMessageW(window->Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(IsOpen() && StoredWidth(L"Column 2 Width") == 1590u) << "a cancelled logoff changes nothing";
    SendMessageW(window->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(StoredWidth(L"Column 2 Width"), 1350u) << "the session's end is the program's end";
}
