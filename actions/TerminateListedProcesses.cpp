#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "ProcessTermination.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/UserFeedback.h"

void TerminateListedProcesses(const ResultsList& rows)
{
    if (ShowMessage(action_texts::TerminateConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        for (const ListedProcess& process : ListedProcessesToActOn(rows)) {
            const DWORD error = EndListedProcess(static_cast<DWORD>(process.processId), process.program);
            if (error == ERROR_SUCCESS) continue;
            ReportSystemError(error, MB_ICONSTOP,
                              action_texts::TerminateFailure(process.program, ProcessIdForMessage(process.processId)));
        }
    }
    DefaultBeep();
}
