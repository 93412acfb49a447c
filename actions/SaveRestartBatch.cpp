#include <windows.h>

#include <exception>
#include <unordered_set>
#include <vector>

#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "RestartBatch.h"
#include "ServiceOrder.h"
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

// A service's name or a packaged application's id is written as a path is; it has no short form.
std::string BatchName(const std::wstring& name)
{
    if (auto oem = ToOemCodePage(EscapeBatchPercent(name))) return *oem;
    throw ProgramError(action_texts::UnrepresentablePath(name, GetOEMCP()));
}

// A service host's services are started by name, each once, at its first place; a host whose
// services are unknown gets no line: its program would not start them.
std::string RestartBatchFor(const ResultsList& rows)
{
    std::vector<BatchEntry> entries;
    std::unordered_set<std::wstring> services;
    for (const ListedProcess& process : ListedProcesses(rows)) {
        if (!process.host) {
            const std::wstring& app = process.owner.appUserModelId;
            entries.push_back({BatchPath(process.program), {},
                               app.empty() ? std::string() : BatchName(L"shell:AppsFolder\\" + app)});
            continue;
        }
        BatchEntry entry;
        for (const std::wstring& service : StartOrder({&*process.host})) {
            if (services.insert(service).second) entry.services.push_back(BatchName(service));
        }
        if (!entry.services.empty()) entries.push_back(std::move(entry));
    }
    return RestartBatchText(entries);
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
