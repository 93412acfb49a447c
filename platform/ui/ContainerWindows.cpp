#include "ContainerWindows.h"

#include <windows.h>

namespace {

BOOL CALLBACK ClipChildrenOfContainer(HWND window, LPARAM corrected)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (GetWindow(window, GW_CHILD) != nullptr && (style & WS_CLIPCHILDREN) == 0) {
        SetWindowLongPtrW(window, GWL_STYLE, style | WS_CLIPCHILDREN);
        *reinterpret_cast<bool*>(corrected) = true;
    }
    return TRUE;
}

}  // namespace

bool ClipChildrenOfContainerWindows()
{
    bool corrected = false;
    EnumThreadWindows(GetCurrentThreadId(), ClipChildrenOfContainer, reinterpret_cast<LPARAM>(&corrected));
    return corrected;
}
