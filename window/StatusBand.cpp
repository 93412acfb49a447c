#include "StatusBand.h"

#include "ElevatedCopy.h"
#include "MainWindowControls.h"
#include "search/SearchSummary.h"

using main_window::Control;

void ClearStatusBand(HWND window)
{
    SetWindowTextW(ControlOf(window, Control::Status), L"");
    ShowControl(window, Control::UnexaminedButton, false);
    ShowControl(window, Control::ElevateButton, false);
}

void ShowSearchOutcome(HWND window, const ResultsList& rows, const SearchOutcome& outcome, bool startedByOffer)
{
    const std::size_t unexamined = outcome.unexamined.size();
    const std::wstring summary = SearchSummary(rows, unexamined);
    SetWindowTextW(ControlOf(window, Control::Status), summary.c_str());
    ShowControl(window, Control::UnexaminedButton, unexamined > 0);
    ShowControl(window, Control::ElevateButton, OffersFullRights(outcome, startedByOffer));
}
