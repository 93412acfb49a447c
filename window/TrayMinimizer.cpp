#include "TrayMinimizer.h"

#include "platform/ui/WindowPlacement.h"

void TrayMinimizer::Attach(HWND window, UniqueHicon picture, std::function<void()> letWaitingMessagesRun)
{
    window_ = window;
    letWaitingMessagesRun_ = std::move(letWaitingMessagesRun);
    icon_.SetOwner(window);
    icon_.SetIconPicture(std::move(picture));
}

void TrayMinimizer::OnMinimized(std::wstring_view tooltip)
{
    icon_.SetText(tooltip);
    if (icon_.SetIconVisible(true)) ShowWindow(window_, SW_HIDE);
}

void TrayMinimizer::OnRestored()
{
    if (!icon_.IconVisible()) icon_.SetIconVisible(false);
}

void TrayMinimizer::Detach() { icon_.SetIconVisible(false); }

bool TrayMinimizer::HandleMessage(UINT message, LPARAM lParam)
{
    TrayIcon::Event event = TrayIcon::Event::None;
    const bool iconMessage = icon_.HandleMessage(message, lParam, event);
    if (event == TrayIcon::Event::Activated) RestoreWindow();
    if (event == TrayIcon::Event::TaskbarRestarted) OnTaskbarRestarted();
    return iconMessage;
}

void TrayMinimizer::OnTaskbarRestarted()
{
    // The icon the new taskbar took hides the window left minimized on the taskbar; a
    // hidden window whose icon it refused comes back.
    if (icon_.IconVisible() && IsIconic(window_)) ShowWindow(window_, SW_HIDE);
    if (!icon_.IconVisible() && !IsWindowVisible(window_)) RestoreWindow();
}

void TrayMinimizer::RestoreWindow()
{
    // A double click arrives as more than one activation, and the waiting messages run
    // inside this handler: the first activation restores the window, once.
    if (restoring_) return;
    restoring_ = true;
    ShowAndRestore();
    if (letWaitingMessagesRun_) letWaitingMessagesRun_();  // the restored window is drawn before the icon goes
    restoring_ = false;
    ShowAndRestore();  // a minimize that ran meanwhile hid it again: the icon is going
    icon_.SetIconVisible(false);
    BringToForeground(window_);
}

void TrayMinimizer::ShowAndRestore()
{
    ShowWindow(window_, SW_SHOW);
    OpenIcon(window_);
}
