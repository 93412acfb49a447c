#pragma once
// The support library's operations on the program's windows and its start-up.
#include <windows.h>

#include "platform/win/UniqueResource.h"

// Records where the program lives, so that Windows starts it by name ("vennick" in
// the Run box): the per-user App Paths entry of its executable. True when the entry
// is in place.
bool qsRegisterAppPath();

// The application's hidden window, which stands for the program as a whole (created at
// first use, never shown).
HWND qsGetThunderMainHandle();

// A window's own icons; the holder keeps them for as long as the window shows them.
struct WindowIcons {
    UniqueHicon big;
    UniqueHicon small;
};

// Gives the window the large and small icons of the program's icon group resource, each
// loaded at its own size for the window's dots per inch.
[[nodiscard]] WindowIcons qsSetWindowResIconAll(HWND window, const wchar_t* iconResource);

// Centres the window on the work area of its monitor; true when it moved.
bool qsCenterFormEx(HWND window);

// Container windows of the current thread that hold child controls get
// WS_CLIPCHILDREN, so that their own painting never draws over their controls.
// True when a window was corrected.
bool qsFixUserControlsContainerWindow();

// The program's icon group resource at the notification area's size.
UniqueHicon qsLoadResTrayIcon(const wchar_t* iconResource);

// Selects the whole text of an edit box.
void qsHighlightText(HWND editBox);

// Brings the window to the foreground, even when another program's window has it.
bool qsSetForegroundWindowEx(HWND window);
