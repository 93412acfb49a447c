#pragma once
// How the main window paints what is not a control of its own: the desktop's pattern or
// wallpaper as its background, the band behind the label, the status band along the
// bottom; and the label and the status text on the bands' colour.
#include <windows.h>

#include "MainWindowLayout.h"

void PaintMainWindow(HDC dc, const MainWindowLayout& layout);

// The answer to WM_CTLCOLORSTATIC for a text that stands on a band: button text on button
// face, taken from the system's colours whenever it is drawn.
LRESULT TextOnBandColors(HDC dc);
