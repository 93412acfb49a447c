#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "platform/UniqueResource.h"

// One icon in the notification area for its owner window, with a tooltip. The owner's
// window procedure hands it every message first (HandleMessage); a click, a double click
// or a selection with the keyboard activates the icon. The icon never outlives its
// owner: it goes when the owner's window is destroyed, or with the object, whichever
// comes first.
class TrayIcon {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    enum class Event {
        None,
        Activated,         // the user activated the icon
        TaskbarRestarted,  // a new taskbar ("TaskbarCreated"): the icon, if wanted, was asked for again
    };

    TrayIcon();
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }
    void SetIconPicture(UniqueHicon picture);
    // The tooltip; a text longer than the notification area takes is cut.
    void SetText(std::wstring_view text);
    const std::wstring& Text() const { return text_; }

    // Puts the icon into the notification area or takes it out; false when the shell
    // refused (there may be no notification area at all). A refused icon is asked for
    // again whenever a new taskbar starts, until it is taken out.
    bool SetIconVisible(bool visible);
    // Whether the notification area holds the icon.
    bool IconVisible() const { return visible_; }

    // True when the message was the icon's; `event` tells what happened to it.
    bool HandleMessage(UINT message, LPARAM lParam, Event& event);

private:
    NOTIFYICONDATAW Data(UINT flags) const;
    bool Notify(DWORD message, UINT flags);
    bool Add();

    HWND owner_ = nullptr;
    UniqueHicon picture_;
    std::wstring text_;
    bool wanted_ = false;   // the owner asked for the icon
    bool visible_ = false;  // the shell holds it
    UINT taskbarCreated_;
};
