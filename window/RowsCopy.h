#pragma once
// Copying rows: the selected rows of the results list go to the clipboard as text.
#include <windows.h>

#include "ResultsListView.h"

// Nothing selected, nothing copied; a clipboard that refuses is reported.
void CopySelectedRows(HWND owner, ResultsListView& results);
