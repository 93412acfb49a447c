#pragma once
// The program's icon group resource on its windows and in the notification area.
#include <windows.h>

#include "platform/UniqueResource.h"

// A window's own icons; the holder keeps them for as long as the window shows them.
struct WindowIcons {
    UniqueHicon big;
    UniqueHicon small;
};

// Gives the window the large and small icons of the program's icon group resource, each
// loaded at its own size for `dpi`. The window shows the new icons before the holder of
// the old ones lets them go.
[[nodiscard]] WindowIcons SetWindowIcons(HWND window, const wchar_t* iconResource, UINT dpi);

// The program's icon group resource at the notification area's size.
UniqueHicon LoadTrayIcon(const wchar_t* iconResource);
