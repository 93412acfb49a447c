#include "ElevatedCopy.h"

#include <algorithm>

#include "CommandLine.h"
#include "actions/ActionTexts.h"
#include "platform/files/FileNames.h"
#include "platform/processes/OwnProcess.h"
#include "platform/shell/Elevation.h"
#include "platform/ui/ErrorReports.h"

bool OffersFullRights(const SearchOutcome& outcome, bool startedByOffer)
{
    const bool fullRightsWouldRead = std::any_of(outcome.unexamined.begin(), outcome.unexamined.end(),
                                                 [](const UnexaminedProcess& p) { return p.refused && !p.isProtected; });
    return fullRightsWouldRead && !startedByOffer && !Seam<Elevation>::Current().IsElevated();
}

bool StartElevatedCopy(HWND owner, const std::wstring& specification, MatchMode mode)
{
    const std::wstring program = OwnProgramPath();
    const DWORD started = Seam<Elevation>::Current().StartElevated(
        owner, program, OfferArguments(specification, mode == MatchMode::Contains), CurrentDirectory());
    if (started == ERROR_SUCCESS) return true;
    if (started != ERROR_CANCELLED) ReportSystemError(started, MB_ICONSTOP, action_texts::RelaunchFailure(program));
    return false;
}
