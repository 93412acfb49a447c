#include "WindowPlacement.h"

bool CentreOnWorkArea(HWND window)
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

bool BringToForeground(HWND window)
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
