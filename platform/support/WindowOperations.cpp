#include "WindowOperations.h"

#include <string>

#include "platform/AppIdentity.h"
#include "platform/win/Dpi.h"
#include "platform/win/Registry.h"
#include "platform/win/SystemError.h"
#include "ProcessOperations.h"
#include "TextOperations.h"

namespace {

// Never LR_SHARED: a shared icon comes back at whatever size the system cached first.
UniqueHicon LoadProgramIcon(const wchar_t* iconResource, int size)
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    UniqueHicon icon(static_cast<HICON>(LoadImageW(program, iconResource, IMAGE_ICON, size, size, 0)));
    if (!icon) ThrowLastError(L"LoadImage " + std::wstring(iconResource));
    return icon;
}

BOOL CALLBACK ClipChildrenOfContainer(HWND window, LPARAM corrected)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (GetWindow(window, GW_CHILD) != nullptr && (style & WS_CLIPCHILDREN) == 0) {
        SetWindowLongPtrW(window, GWL_STYLE, style | WS_CLIPCHILDREN);
        *reinterpret_cast<bool*>(corrected) = true;
    }
    return TRUE;
}

}  // namespace

bool qsRegisterAppPath()
{
    const std::wstring program = qsGetEXEModuleFullFileName();
    const UniqueHkey key = CreateRegistryKey(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + qsGetFileName(program));
    if (!key) return false;
    if (ReadRegistryString(key.get(), L"") == program) return true;
    return WriteRegistryString(key.get(), L"", program) &&
           WriteRegistryString(key.get(), L"Path", qsGetFilePath(program));
}

HWND qsGetThunderMainHandle()
{
    static const HWND application = [] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = L"VennickApplication";
        RegisterClassExW(&windowClass);
        const HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, app::kTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                                          nullptr, instance, nullptr);
        if (hwnd == nullptr) ThrowLastError(L"CreateWindowEx VennickApplication");
        return hwnd;
    }();
    return application;
}

WindowIcons qsSetWindowResIconAll(HWND window, const wchar_t* iconResource)
{
    const UINT dpi = DpiOfWindow(window);
    WindowIcons icons{LoadProgramIcon(iconResource, SystemMetricForDpi(SM_CXICON, dpi)),
                      LoadProgramIcon(iconResource, SystemMetricForDpi(SM_CXSMICON, dpi))};
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
    return icons;
}

bool qsCenterFormEx(HWND window)
{
    RECT bounds{};
    if (!GetWindowRect(window, &bounds)) return false;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return false;
    const RECT& area = monitor.rcWork;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool qsFixUserControlsContainerWindow()
{
    bool corrected = false;
    EnumThreadWindows(GetCurrentThreadId(), ClipChildrenOfContainer, reinterpret_cast<LPARAM>(&corrected));
    return corrected;
}

UniqueHicon qsLoadResTrayIcon(const wchar_t* iconResource)
{
    return LoadProgramIcon(iconResource, GetSystemMetrics(SM_CXSMICON));
}

void qsHighlightText(HWND editBox) { SendMessageW(editBox, EM_SETSEL, 0, -1); }

bool qsSetForegroundWindowEx(HWND window)
{
    // Windows lets a program take the foreground only from its own input queue; joining
    // the queue of the current foreground window for the call gives it that right.
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD ownThread = GetCurrentThreadId();
    const bool attach = foregroundThread != 0 && foregroundThread != ownThread &&
                        AttachThreadInput(ownThread, foregroundThread, TRUE) != FALSE;
    BringWindowToTop(window);
    const bool done = SetForegroundWindow(window) != FALSE;
    if (attach) AttachThreadInput(ownThread, foregroundThread, FALSE);
    return done;
}
