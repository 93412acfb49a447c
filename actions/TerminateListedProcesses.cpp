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
        const std::vector<ProcessEnd> outcomes = EndListedProcesses(processes);
        // What the user did meanwhile takes effect once the reports have been read.
        const InputHeldBack heldBack;
        for (std::size_t i = 0; i < processes.size(); ++i) {
            const std::wstring& program = processes[i].program;
            const std::wstring id = ProcessIdForMessage(processes[i].processId);
            switch (outcomes[i].outcome) {
            case ProcessEnd::Outcome::Ended: break;
            case ProcessEnd::Outcome::Failed:
                ReportSystemError(outcomes[i].error, MB_ICONSTOP, action_texts::TerminateFailure(program, id));
                break;
            case ProcessEnd::Outcome::Unidentified:
                ShowMessage(action_texts::TerminateUnidentified(program, id), MB_ICONSTOP);
                break;
            case ProcessEnd::Outcome::Critical: ShowMessage(action_texts::TerminateCritical(program, id), MB_ICONSTOP); break;
            }
        }
    }
    DefaultBeep();
}
