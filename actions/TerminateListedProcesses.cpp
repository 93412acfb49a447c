#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "ProcessTermination.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/UserFeedback.h"

void TerminateListedProcesses(const ResultsList& rows)
{
    if (ShowMessage(action_texts::TerminateConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        const std::vector<ListedProcess> processes = ListedProcessesToActOn(rows);
        const std::vector<DWORD> outcomes = EndListedProcesses(processes);
        // What the user did meanwhile takes effect once the reports have been read.
        const InputHeldBack heldBack;
        for (std::size_t i = 0; i < processes.size(); ++i) {
            if (outcomes[i] == ERROR_SUCCESS) continue;
            ReportSystemError(outcomes[i], MB_ICONSTOP,
                              action_texts::TerminateFailure(processes[i].program,
                                                             ProcessIdForMessage(processes[i].processId)));
        }
    }
    DefaultBeep();
}
