#pragma once
// The results list's own menu (the right mouse button, the menu key, Shift+F10).
#include <windows.h>

#include "ResultsListView.h"

enum class ResultsListCommand {
    None,  // the menu was closed without a choice
    Copy,           // «Копировать»: the selected rows to the clipboard
    KeepOldCopies,  // «Оставить только строки со старой копией»: only the processes that run an old copy stay
};

// Shows the menu at `at` (screen coordinates; -1, -1 when opened with the keyboard: below
// the focused row) and answers the command chosen.
ResultsListCommand ShowResultsListMenu(HWND owner, ResultsListView& results, POINT at);
