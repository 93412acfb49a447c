#pragma once
// The status band along the window's bottom: what the last search found and could not
// examine, with «Подробнее…» when some process could not be examined and «Проверить все»
// when full rights would see more.
#include <windows.h>

#include "search/ResultsList.h"
#include "search/SearchOutcome.h"

// Empty before the first search, and again as a search starts, as the list is.
void ClearStatusBand(HWND window);
void ShowSearchOutcome(HWND window, const ResultsList& rows, const SearchOutcome& outcome, bool startedByOffer);
