#pragma once
#include <windows.h>

// Selects the whole text of an edit box.
void qsHighlightText(HWND editBox);
