#include <windows.h>

#include <exception>
#include <vector>

#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "RestartBatch.h"
#include "platform/ProgramError.h"
#include "platform/component/ErrorReporter.h"
#include "platform/component/FileDialog.h"
#include "platform/component/FileWriter.h"
#include "platform/component/SettingsStore.h"
#include "platform/support/CodePages.h"
#include "platform/support/FileNameOperations.h"
#include "platform/win/MessageBoxes.h"
#include "search/modPackProcessInfo.h"

namespace {

// The path as the batch file holds it: % doubled, in the OEM code page. A path with a
// character that code page lacks is written in its short (8.3) form, which the file
// system gives in plain letters; without one, it cannot be written at all.
std::string BatchPath(const std::wstring& path)
{
    if (auto oem = qsAnsiToOem(EscapeBatchPercent(path))) return *oem;
    const std::wstring shortPath = qsGetShortFileName(path);
    if (!shortPath.empty()) {
        if (auto oem = qsAnsiToOem(EscapeBatchPercent(shortPath))) return *oem;
    }
    throw ProgramError(action_texts::UnrepresentablePath(path, GetOEMCP()));
}

std::string RestartBatchFor(const ResultsList& rows)
{
    std::vector<std::string> paths;
    for (const std::wstring& key : ListedProcesses(rows)) paths.push_back(BatchPath(UnpackProcessText(key)));
    return RestartBatchText(paths);
}

}  // namespace

void cmdSaveBAT_Click(const ResultsList& rows, HWND owner)
{
    FileDialog dialog;
    dialog.DefaultExt = action_texts::kBatchDefaultExt;
    dialog.Filter = action_texts::kBatchFilter;
    dialog.OwnerWindow = owner;
    const SettingsStore settings;
    dialog.InitialFolder = settings.ReadSetting(L"", action_texts::kLastSaveBatPath, CurrentDirectory());
    if (!dialog.ShowSave()) return;

    // The folder is remembered even when the write then fails.
    settings.WriteSetting(L"", action_texts::kLastSaveBatPath, dialog.FileFolder());

    try {
        ProgramFileWriter().WriteTextFile(dialog.FileName(), RestartBatchFor(rows));
    } catch (...) {
        try {
            ProgramErrorReporter().ReportRuntimeError(std::current_exception(), MB_ICONSTOP,
                                                      action_texts::SaveFailure(dialog.FileName()));
        } catch (...) {
            // A failure while reporting a failure is ignored.
        }
        return;
    }
    ShowMessage(action_texts::SaveSuccess(dialog.FileName()), MB_OK | MB_ICONINFORMATION);
}
