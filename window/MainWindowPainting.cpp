#include "MainWindowPainting.h"

#include "platform/ui/Gdi.h"

void PaintMainWindow(HDC dc, const MainWindowLayout& layout)
{
    // The background shows the desktop's pattern or wallpaper, aligned with the screen.
    PaintDesktop(dc);

    const RECT band = layout.PixelRect(main_window::kBackgroundBand);
    const SelectedObject brush(dc, GetStockObject(DC_BRUSH));
    const SelectedObject pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, GetSysColor(COLOR_BTNFACE));
    SetDCPenColor(dc, GetSysColor(COLOR_BTNTEXT));
    Rectangle(dc, band.left, band.top, band.right, band.bottom);
    // The status band over it, as a status bar: its line on top only.
    const RECT status = layout.PixelRect(main_window::kStatusBand);
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    Rectangle(dc, status.left - 1, status.top, status.right + 1, status.bottom + 1);
}

LRESULT TextOnBandColors(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}
