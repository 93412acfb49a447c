#include "ElevatedCopy.h"

#include <algorithm>

#include "CommandLine.h"
#include "actions/ActionTexts.h"
#include "platform/HostEnvironment.h"
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
    // A mapped drive of this logon session may not be there in the elevated one: then no folder.
    const std::wstring current = CurrentDirectory();
    const std::wstring folder = IsOnFixedDrive(current) ? current : std::wstring();
    const DWORD started = Seam<Elevation>::Current().StartElevated(
        owner, program, OfferArguments(specification, mode == MatchMode::Contains), folder);
    if (started == ERROR_SUCCESS) return true;
    if (started != ERROR_CANCELLED) ReportSystemError(started, MB_ICONSTOP, action_texts::RelaunchFailure(program));
    return false;
}
