#include "Window.h"

#include <string>
#include <utility>

#include "MessageBoxes.h"
#include "platform/SystemError.h"

void EndProgramAfterFailure(std::exception_ptr failure) noexcept
{
    static bool ending = false;
    if (ending) return;  // a failure while ending: the first report is enough
    ending = true;
    try {
        ShowMessage(DescriptionOf(failure), MB_OK | MB_ICONSTOP);
    } catch (...) {
    }
    PostQuitMessage(1);
}

void RunGuarded(const std::function<void()>& work) noexcept
{
    try {
        work();
    } catch (...) {
        EndProgramAfterFailure(std::current_exception());
    }
}

Window::~Window() { DestroyWithoutHandlers(); }

void Window::DestroyWithoutHandlers() noexcept
{
    if (hwnd_ == nullptr) return;
    // The object is going: the window's last messages must not reach it.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

bool Window::CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                                 const wchar_t* caption, int x, int y, int width, int height)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Window::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (!RegisterClassExW(&windowClass)) return false;
    }
    return CreateWindowExW(exStyle, className, caption, style, x, y, width, height, nullptr, nullptr, instance, this) !=
           nullptr;
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    bool failed = true;
    RunGuarded([&] {
        result = self->HandleMessage(message, wParam, lParam);
        failed = false;
    });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    // A window whose creation failed must not come into being half made.
    if (failed && (message == WM_CREATE || message == WM_NCCREATE)) return message == WM_CREATE ? -1 : FALSE;
    return result;
}
