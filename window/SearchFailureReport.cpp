#include "SearchFailureReport.h"

#include "platform/ui/ErrorReports.h"
#include "platform/ui/MessageBoxes.h"

void ReportListingFailure(const ListingFailure& failure)
{
    if (failure.listing == ListingFailure::Listing::ProcessIds) {
        ShowMessage(L"Can't enum processes!", MB_OK | MB_ICONSTOP);
        return;
    }
    ReportSystemError(failure.errorCode, MB_ICONSTOP, L"Can't create Tool Help process snapshot.");
}
