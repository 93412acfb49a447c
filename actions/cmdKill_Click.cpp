#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "platform/TextCase.h"
#include "platform/component/ErrorReporter.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/UserFeedback.h"
#include "search/modPackProcessInfo.h"

void cmdKill_Click(const ResultsList& rows)
{
    if (ShowMessage(action_texts::KillConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        for (const std::wstring& key : ListedProcesses(rows)) {
            const std::wstring program = UnpackProcessText(key);
            const std::int32_t processId = UnpackProcessID(key);
            // Never this process, nor another copy started from the same file.
            if (processId == static_cast<std::int32_t>(GetCurrentProcessId()) ||
                EqualIgnoringCase(program, qsGetEXEModuleFullFileName())) {
                continue;
            }
            if (qsKillApp(processId, program)) continue;
            const unsigned long error = qsGetLastDLLError();
            ProgramErrorReporter().ReportSystemError(error, MB_ICONSTOP,
                                                     action_texts::KillFailure(program, qsHexEx4(processId)));
        }
    }
    DefaultBeep();
}
