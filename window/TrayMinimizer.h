#pragma once
// Minimizing hides the main window behind an icon in the notification area, whose
// tooltip names the module specification; activating the icon brings the window back
// and takes the icon away.
#include <windows.h>

#include <functional>
#include <string_view>

#include "platform/tray/TrayIcon.h"

class TrayMinimizer {
public:
    // The window it hides, the icon's picture, and how the messages waiting in the queue
    // are let run once while the window is restored (so that it is drawn before the icon goes).
    void Attach(HWND window, UniqueHicon picture, std::function<void()> letWaitingMessagesRun);

    // The window has been minimized: it hides behind the icon with this tooltip. Without
    // a notification area to hold the icon it stays on the taskbar: hidden, it could
    // never be brought back. It hides once a new taskbar takes the icon.
    void OnMinimized(std::wstring_view tooltip);
    // The window has been restored from the taskbar: it no longer asks for the icon.
    void OnRestored();
    // The icon leaves the notification area, before its window goes.
    void Detach();

    // Every message of the window comes here first; true when it was the icon's.
    bool HandleMessage(UINT message, LPARAM lParam);

    const TrayIcon& Icon() const { return icon_; }

private:
    void RestoreWindow();
    void OnTaskbarRestarted();
    void ShowAndRestore();

    HWND window_ = nullptr;
    std::function<void()> letWaitingMessagesRun_;
    TrayIcon icon_;
    bool restoring_ = false;
};
