#include "Dpi.h"

#include "platform/SystemFunction.h"

namespace {

// Functions of Windows 10 (1607) and later, looked up at run time so that the program
// also starts on Windows 7.
template <class Function>
Function User32Function(const char* name)
{
    return SystemFunction<Function>(L"user32.dll", name);
}

// The system's dots per inch.
UINT SystemDpi()
{
    using GetDpiForSystemFn = UINT(WINAPI*)();
    static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (getDpiForSystem != nullptr) return getDpiForSystem();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT DpiOfWindow(HWND hwnd)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi != 0) return dpi;
    }
    return SystemDpi();
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi)
{
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, exStyle, dpi)) {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int SystemMetricForDpi(int index, UINT dpi)
{
    using GetMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto getMetricsForDpi = User32Function<GetMetricsForDpiFn>("GetSystemMetricsForDpi");
    return getMetricsForDpi != nullptr ? getMetricsForDpi(index, dpi) : GetSystemMetrics(index);
}
