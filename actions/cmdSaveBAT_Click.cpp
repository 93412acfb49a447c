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

// A program path that the batch file cannot hold.
class UnrepresentablePathError : public ProgramError {
public:
    explicit UnrepresentablePathError(const std::wstring& path)
        : ProgramError(action_texts::UnrepresentablePath(path, GetOEMCP()))
    {
    }
};

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
    throw UnrepresentablePathError(path);
}

std::string RestartBatchFor(const ResultsList& rows)
{
    std::vector<std::string> paths;
    for (const std::wstring& key : ListedProcesses(rows)) paths.push_back(BatchPath(UnpackProcessText(key)));
    return RestartBatchText(paths);
}

// Builds and writes the file; the failure, if any.
std::exception_ptr WriteRestartBatch(const ResultsList& rows, const std::wstring& fileName)
{
    std::string text;
    try {
        text = RestartBatchFor(rows);
    } catch (const UnrepresentablePathError&) {
        return std::current_exception();
    }
    try {
        ProgramFileWriter().WriteTextFile(fileName, text);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
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

    if (const std::exception_ptr failure = WriteRestartBatch(rows, dialog.FileName())) {
        try {
            ProgramErrorReporter().ReportRuntimeError(failure, MB_ICONSTOP, action_texts::SaveFailure(dialog.FileName()));
        } catch (...) {
            // A failure while reporting a failure is ignored.
        }
        return;
    }
    ShowMessage(action_texts::SaveSuccess(dialog.FileName()), MB_OK | MB_ICONINFORMATION);
}
