#include "TextSelection.h"

void qsHighlightText(HWND editBox) { SendMessageW(editBox, EM_SETSEL, 0, -1); }
