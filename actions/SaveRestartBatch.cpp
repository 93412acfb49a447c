#include <windows.h>

#include <exception>
#include <vector>

#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "RestartBatch.h"
#include "platform/ProgramError.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/SaveFileDialog.h"
#include "platform/files/FileWrite.h"
#include "platform/registry/SettingsStore.h"
#include "platform/text/CodePages.h"
#include "platform/files/FileNames.h"
#include "platform/ui/MessageBoxes.h"

namespace {

// The path as the batch file holds it: % doubled, in the OEM code page. A path with a
// character that code page lacks is written in its short (8.3) form, which the file
// system gives in plain letters; without one, it cannot be written at all.
std::string BatchPath(const std::wstring& path)
{
    if (auto oem = ToOemCodePage(EscapeBatchPercent(path))) return *oem;
    const std::wstring shortPath = ShortPathOf(path);
    if (!shortPath.empty()) {
        if (auto oem = ToOemCodePage(EscapeBatchPercent(shortPath))) return *oem;
    }
    throw ProgramError(action_texts::UnrepresentablePath(path, GetOEMCP()));
}

std::string RestartBatchFor(const ResultsList& rows)
{
    std::vector<std::string> paths;
    for (const ListedProcess& process : ListedProcesses(rows)) paths.push_back(BatchPath(process.program));
    return RestartBatchText(paths);
}

}  // namespace

void SaveRestartBatch(const ResultsList& rows, HWND owner)
{
    SaveFileDialog dialog;
    dialog.defaultExtension = action_texts::kBatchDefaultExtension;
    dialog.filter = action_texts::kBatchFilter;
    dialog.owner = owner;
    const SettingsStore settings;
    dialog.initialFolder = settings.LastBatchFolder(CurrentDirectory());
    if (!dialog.Show()) return;

    // The folder is remembered even when the write then fails.
    settings.KeepLastBatchFolder(dialog.Folder());

    try {
        WriteWholeFile(dialog.FileName(), RestartBatchFor(rows));
    } catch (...) {
        try {
            ReportFailure(std::current_exception(), MB_ICONSTOP, action_texts::SaveFailure(dialog.FileName()));
        } catch (...) {
            // A failure while reporting a failure is ignored.
        }
        return;
    }
    ShowMessage(action_texts::SaveSuccess(dialog.FileName()), MB_OK | MB_ICONINFORMATION);
}
