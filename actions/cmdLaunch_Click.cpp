#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "platform/TextCase.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/Shell.h"
#include "platform/win/UserFeedback.h"
#include "search/modPackProcessInfo.h"

void cmdLaunch_Click(const ResultsList& rows, HWND owner)
{
    if (ShowMessage(action_texts::LaunchConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        for (const std::wstring& key : ListedProcesses(rows)) {
            const std::wstring program = UnpackProcessText(key);
            // Never a copy of this program.
            if (EqualIgnoringCase(program, qsGetEXEModuleFullFileName())) continue;
            if (!StartProgram(owner, program, qsGetFilePath(program))) {
                ShowMessage(action_texts::LaunchFailure(program), MB_OK | MB_ICONSTOP);
            }
        }
    }
    DefaultBeep();
}
