#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/shell/ProgramStart.h"
#include "platform/ui/UserFeedback.h"

void RelaunchListedPrograms(const ResultsList& rows, HWND owner)
{
    if (ShowMessage(action_texts::RelaunchConfirmation(), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) return;
    {
        const WaitCursor wait;
        for (const ListedProcess& process : ListedProcessesToActOn(rows)) {
            if (!StartProgram(owner, process.program, FolderOf(process.program))) {
                ShowMessage(action_texts::RelaunchFailure(process.program), MB_OK | MB_ICONSTOP);
            }
        }
    }
    DefaultBeep();
}
