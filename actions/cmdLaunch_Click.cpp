#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "platform/support/TextOperations.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/Shell.h"
#include "platform/win/UserFeedback.h"

void cmdLaunch_Click(const ResultsList& rows, HWND owner)
{
    if (ShowMessage(action_texts::LaunchConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        for (const ListedProcess& process : ListedProcessesToActOn(rows)) {
            if (!StartProgram(owner, process.program, qsGetFilePath(process.program))) {
                ShowMessage(action_texts::LaunchFailure(process.program), MB_OK | MB_ICONSTOP);
            }
        }
    }
    DefaultBeep();
}
