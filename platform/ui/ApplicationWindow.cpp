#include "ApplicationWindow.h"

#include "platform/AppIdentity.h"
#include "platform/SystemError.h"

HWND ApplicationWindow()
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
