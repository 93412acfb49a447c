#include "WindowIcons.h"

#include <string>

#include "platform/ui/Dpi.h"
#include "platform/SystemError.h"

namespace {

// Never LR_SHARED: a shared icon comes back at whatever size the system cached first.
UniqueHicon LoadProgramIcon(const wchar_t* iconResource, int size)
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    UniqueHicon icon(static_cast<HICON>(LoadImageW(program, iconResource, IMAGE_ICON, size, size, 0)));
    if (!icon) ThrowLastError(L"LoadImage " + std::wstring(iconResource));
    return icon;
}

}  // namespace

WindowIcons SetWindowIcons(HWND window, const wchar_t* iconResource, UINT dpi)
{
    WindowIcons icons{LoadProgramIcon(iconResource, SystemMetricForDpi(SM_CXICON, dpi)),
                      LoadProgramIcon(iconResource, SystemMetricForDpi(SM_CXSMICON, dpi))};
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
    return icons;
}

// The notification area draws its icons at the system's DPI, whatever the window's monitor.
UniqueHicon LoadTrayIcon(const wchar_t* iconResource)
{
    return LoadProgramIcon(iconResource, GetSystemMetrics(SM_CXSMICON));
}
