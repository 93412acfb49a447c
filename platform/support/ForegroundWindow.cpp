#include "ForegroundWindow.h"

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
