#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/Shell.h"
#include "platform/win/UserFeedback.h"

void cmdLaunch_Click(const ResultsList& rows, HWND owner)
{
    if (ShowMessage(action_texts::LaunchConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        const auto self = static_cast<std::int32_t>(GetCurrentProcessId());
        for (const ListedProcess& process : ListedProcessesOtherThan(rows, self, qsGetEXEModuleFullFileName())) {
            if (!StartProgram(owner, process.program, qsGetFilePath(process.program))) {
                ShowMessage(action_texts::LaunchFailure(process.program), MB_OK | MB_ICONSTOP);
            }
        }
    }
    DefaultBeep();
}
