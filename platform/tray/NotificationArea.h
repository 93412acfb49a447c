#pragma once
#include <windows.h>
#include <shellapi.h>

#include "platform/Seam.h"

// The taskbar's notification area (Shell_NotifyIconW). A seam, so that tests can see
// each icon change and make the shell refuse it.
class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    virtual bool Notify(DWORD message, NOTIFYICONDATAW& data) = 0;
};
template <>
NotificationArea& Seam<NotificationArea>::Default();
