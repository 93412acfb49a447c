#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "platform/UniqueResource.h"

// The tray control: one icon in the notification area for its owner window, with a
// tooltip. The owner's window procedure hands it every message first (HandleMessage);
// a click, a double click or a selection with the keyboard activates the icon. The icon
// never outlives its owner: it goes when the owner's window is destroyed, or with the
// control, whichever comes first.
class TrayIcon {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

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
    // refused (there may be no notification area at all).
    bool SetIconVisible(bool visible);
    bool IconVisible() const { return visible_; }

    // True when the message was the icon's; `activated` tells whether the owner's
    // window must come back: the user activated the icon, or the taskbar's
    // "TaskbarCreated" (Explorer restarted), which puts a visible icon back, found it
    // refused.
    bool HandleMessage(UINT message, LPARAM lParam, bool& activated);

private:
    NOTIFYICONDATAW Data(UINT flags) const;
    bool Notify(DWORD message, UINT flags);
    bool Add();

    HWND owner_ = nullptr;
    UniqueHicon picture_;
    std::wstring text_;
    bool visible_ = false;
    UINT taskbarCreated_;
};
