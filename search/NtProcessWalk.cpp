#include "NtProcessWalk.h"

#include <unordered_set>

#include "platform/processes/ProcessQueries.h"
#include "platform/processes/ToolHelp.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/MessageBoxes.h"

namespace {

// A snapshot that is refused while the process's loader list changes is asked again.
constexpr int kSnapshotAttempts = 8;

// One module snapshot of the process (its 32-bit modules too): the cheapest complete read.
// Its records hold at most MAX_PATH - 1 characters, so a path of that length may have
// been cut: that one is read whole through its handle. nullopt when the snapshot fails
// or holds nothing (as for some of Wine's own services, whose modules PSAPI lists).
std::optional<std::vector<std::wstring>> SnapshotModulePaths(ProcessQueries& api, HANDLE process, DWORD processId)
{
    ToolHelp& toolHelp = Seam<ToolHelp>::Current();
    UniqueSnapshotHandle snapshot;
    for (int attempt = 0; attempt < kSnapshotAttempts && !snapshot; ++attempt) {
        snapshot = toolHelp.CreateSnapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
        if (!snapshot && GetLastError() != ERROR_BAD_LENGTH) return std::nullopt;
    }
    if (!snapshot) return std::nullopt;
    std::vector<std::wstring> paths;
    // The 32-bit and the 64-bit views of a WOW64 process can hold the same module twice.
    std::unordered_set<HMODULE> seen;
    MODULEENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = toolHelp.FirstModule(snapshot.get(), record); more;
         more = toolHelp.NextModule(snapshot.get(), record)) {
        if (!seen.insert(record.hModule).second) continue;
        std::wstring path = StringFromBuffer(record.szExePath, std::size(record.szExePath));
        if (path.size() >= std::size(record.szExePath) - 1) path = ModulePathOf(api, process, record.hModule);
        paths.push_back(std::move(path));
    }
    if (paths.empty()) return std::nullopt;
    return paths;
}

// The process-status walk: each module's path read on its own.
std::optional<std::vector<std::wstring>> ListedModulePaths(ProcessQueries& api, HANDLE process)
{
    const std::optional<std::vector<HMODULE>> handles = ModuleHandlesOf(api, process);
    if (!handles || handles->empty()) return std::nullopt;
    std::vector<std::wstring> paths;
    std::unordered_set<HMODULE> seen;
    for (HMODULE handle : *handles) {
        if (seen.insert(handle).second) paths.push_back(ModulePathOf(api, process, handle));
    }
    return paths;
}

}  // namespace

void WalkNtProcesses(const SearchRun& run)
{
    const std::optional<std::vector<DWORD>> ids = RunningProcessIds(Seam<ProcessQueries>::Current());
    if (!ids) {
        ShowMessage(L"Can't enum processes!", MB_OK | MB_ICONSTOP);
        return;
    }
    for (DWORD id : *ids) {
        if (const std::optional<ProcessModules> process = ReadNtProcess(id)) run.TestProcess(*process);
    }
}

std::optional<ProcessModules> ReadNtProcess(DWORD processId)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    const UniqueHandle process = api.OpenProcess(kQueryAndReadAccess, processId);
    if (!process) return std::nullopt;
    // The program's path as terminate reads it, which tells by it whether the id still runs the program.
    std::optional<std::wstring> program = ProgramPathOf(api, process.get());
    if (!program) return std::nullopt;
    std::optional<std::vector<std::wstring>> modules = ModulePathsOf(process.get(), processId);
    if (!modules) return std::nullopt;
    return ProcessModules{processId, std::move(*program), StartTimeOf(api, process.get()), std::move(*modules)};
}

std::optional<std::vector<std::wstring>> ModulePathsOf(HANDLE process, DWORD processId)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    if (auto paths = SnapshotModulePaths(api, process, processId)) return paths;
    return ListedModulePaths(api, process);
}
