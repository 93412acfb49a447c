#include "TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

#include "NotificationArea.h"
#include "TrayTooltip.h"

namespace {

constexpr UINT kIconId = 1;

class ShellNotificationArea final : public NotificationArea {
public:
    bool Notify(DWORD message, NOTIFYICONDATAW& data) override { return Shell_NotifyIconW(message, &data) != FALSE; }
};

}  // namespace

template <>
NotificationArea& Seam<NotificationArea>::Default()
{
    static ShellNotificationArea area;
    return area;
}

TrayIcon::TrayIcon() : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() { SetIconVisible(false); }

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = picture_.get();
    const std::wstring tip = FitToCapacity(text_, std::size(data.szTip));
    std::copy(tip.begin(), tip.end(), data.szTip);
    data.uVersion = NOTIFYICON_VERSION;
    return data;
}

bool TrayIcon::Notify(DWORD message, UINT flags)
{
    NOTIFYICONDATAW data = Data(flags);
    return Seam<NotificationArea>::Current().Notify(message, data);
}

void TrayIcon::SetIconPicture(UniqueHicon picture)
{
    picture_ = std::move(picture);
    if (visible_) Notify(NIM_MODIFY, NIF_ICON);
}

void TrayIcon::SetText(std::wstring_view text)
{
    text_ = text;
    if (visible_) Notify(NIM_MODIFY, NIF_TIP);
}

bool TrayIcon::SetIconVisible(bool visible)
{
    wanted_ = visible;
    if (!visible) {
        if (visible_) Notify(NIM_DELETE, 0);
        visible_ = false;
        return true;
    }
    if (!visible_) visible_ = Add();
    return visible_;
}

bool TrayIcon::Add()
{
    // NIM_ADD gives no reason when it fails, and can time out at logon although the icon
    // was added: then the icon is there to be changed.
    constexpr UINT kAll = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (!Notify(NIM_ADD, kAll) && !Notify(NIM_MODIFY, kAll)) return false;
    // Version 3: clicks arrive as mouse messages, keyboard selection as NIN_KEYSELECT.
    Notify(NIM_SETVERSION, 0);
    return true;
}

bool TrayIcon::HandleMessage(UINT message, LPARAM lParam, Event& event)
{
    event = Event::None;
    if (message == WM_DESTROY) {
        SetIconVisible(false);  // while the owner's window still exists to name the icon
        return false;
    }
    if (message == taskbarCreated_) {
        // A new taskbar knows none of the old icons.
        if (wanted_) visible_ = Add();
        event = Event::TaskbarRestarted;
        return false;  // other windows may want to know too
    }
    if (message != kCallbackMessage) return false;
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case NIN_SELECT:
    case NIN_KEYSELECT:
        // A double click or a key pressed twice arrives more than once; the first
        // activation takes the icon away.
        if (visible_) event = Event::Activated;
        break;
    default:
        break;
    }
    return true;
}
