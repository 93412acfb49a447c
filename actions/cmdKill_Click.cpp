#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "platform/component/ErrorReporter.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/UserFeedback.h"

void cmdKill_Click(const ResultsList& rows)
{
    if (ShowMessage(action_texts::KillConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        for (const ListedProcess& process : ListedProcessesToActOn(rows)) {
            if (qsKillApp(process.processId, process.program)) continue;
            const unsigned long error = qsGetLastDLLError();
            ProgramErrorReporter().ReportSystemError(
                error, MB_ICONSTOP, action_texts::KillFailure(process.program, qsHexEx4(process.processId)));
        }
    }
    DefaultBeep();
}
