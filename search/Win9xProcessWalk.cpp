#include "Win9xProcessWalk.h"

#include "platform/files/FileNames.h"
#include "platform/processes/ToolHelp.h"
#include "platform/text/TextOperations.h"

std::optional<ListingFailure> WalkWin9xProcesses(const SearchRun& run)
{
    const std::optional<std::vector<SnapshotProcess>> processes = ProcessesInSnapshot();
    if (!processes) return ListingFailure{ListingFailure::Listing::ProcessSnapshot, GetLastError()};
    for (const SnapshotProcess& process : *processes) ScanWin9xModules(run, process.processId, process.exeFile);
    return std::nullopt;
}

void ScanWin9xModules(const SearchRun& run, DWORD processId, const std::wstring& programPath)
{
    // A module snapshot of process 0 would be this process's own: the idle process
    // has no modules of its own to list.
    if (processId == 0) return;
    ToolHelp& toolHelp = Seam<ToolHelp>::Current();
    // SNAPMODULE32 too: a 64-bit program sees the own modules of 32-bit processes.
    const UniqueSnapshotHandle snapshot = toolHelp.CreateSnapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
    if (!snapshot) return;
    const std::wstring program = FullPathOf(programPath);
    MODULEENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = toolHelp.FirstModule(snapshot.get(), record); more;
         more = toolHelp.NextModule(snapshot.get(), record)) {
        run.TestModule(processId, program, FullPathOf(StringFromBuffer(record.szExePath, std::size(record.szExePath))));
    }
}
