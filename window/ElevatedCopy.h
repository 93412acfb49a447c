#pragma once
// The offer to check every process with full rights: «Проверить все» starts a copy of the
// program elevated, with the same search, which then takes this window's place.
#include <windows.h>

#include <string>

#include "search/ModuleMatch.h"
#include "search/SearchOutcome.h"

// Whether the window makes the offer after this search: without elevation, when a process
// that full rights could read refused (a protected one refuses them too; one whose
// protection cannot be read may not be), and never in the copy the offer started, so that
// where full rights see no more it cannot loop.
bool OffersFullRights(const SearchOutcome& outcome, bool startedByOffer);

// Starts the copy, in the current folder (in none where that is not on a fixed drive),
// searching as the last search did: true once it
// has started; false when the user declined at the prompt (nothing said) or it could not
// be started (reported).
bool StartElevatedCopy(HWND owner, const std::wstring& specification, MatchMode mode);
