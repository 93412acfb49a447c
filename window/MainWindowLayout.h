#pragma once
// The main window's design in pixels: its controls created with their kinds, placed
// and given the window's font at the window's dots per inch, and the frame sized to the
// client area.
#include <windows.h>

#include "MainWindowDesign.h"
#include "platform/UniqueResource.h"

// The window's style: a fixed frame with a title bar, system menu and minimize button.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

class MainWindowLayout {
public:
    // Creates every control of the design as a child of `window`, in tab order, lays them
    // out at the window's DPI, sizes its frame and centres it on its monitor.
    void Build(HWND window);

    // Places every control and gives it the window's font, at `dpi`.
    void Apply(HWND window, UINT dpi);
    // Gives the frame the size that holds the client area at the current DPI.
    void SizeFrame(HWND window) const;

    UINT Dpi() const { return dpi_; }
    RECT PixelRect(const main_window::TwipRect& place) const;

private:
    static void CreateControls(HWND window);

    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    UniqueGdiObject font_;
};
