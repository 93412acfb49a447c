#include "TrayMinimizer.h"

#include "platform/ui/WindowPlacement.h"

void TrayMinimizer::Attach(HWND window, UniqueHicon picture)
{
    window_ = window;
    icon_.SetOwner(window);
    icon_.SetIconPicture(std::move(picture));
}

void TrayMinimizer::OnMinimized(std::wstring_view tooltip)
{
    icon_.SetText(tooltip);
    if (icon_.SetIconVisible(true)) ShowWindow(window_, SW_HIDE);
}

bool TrayMinimizer::HandleMessage(UINT message, LPARAM lParam, const std::function<void()>& pumpWaitingMessages)
{
    bool activated = false;
    const bool iconMessage = icon_.HandleMessage(message, lParam, activated);
    if (activated) RestoreWindow(pumpWaitingMessages);
    return iconMessage;
}

void TrayMinimizer::RestoreWindow(const std::function<void()>& pumpWaitingMessages)
{
    // A double click arrives as more than one activation, and the waiting messages run
    // inside this handler: the first activation restores the window, once.
    if (restoring_) return;
    restoring_ = true;
    ShowAndRestore();
    pumpWaitingMessages();  // the restored window is drawn before the icon goes
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
