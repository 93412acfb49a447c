#include "NtProcessWalk.h"

#include <unordered_set>

#include "platform/ui/MessageBoxes.h"
#include "platform/processes/ProcessStatus.h"
#include "platform/processes/ToolHelp.h"

void WalkNtProcesses(const SearchRun& run)
{
    const std::optional<std::vector<DWORD>> ids = RunningProcessIds(Seam<ProcessStatus>::Current());
    if (!ids) {
        ShowMessage(L"Can't enum processes!", MB_OK | MB_ICONSTOP);
        return;
    }
    for (DWORD id : *ids) ScanNtProcess(run, id);
}

void ScanNtProcess(const SearchRun& run, DWORD processId)
{
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    const UniqueHandle process = api.OpenProcess(kQueryAndReadAccess, processId);
    if (!process) return;
    const std::optional<std::vector<LoadedModule>> modules = LoadedModulesOf(process.get(), processId);
    if (!modules) return;
    const std::wstring program = modules->empty() ? std::wstring() : modules->front().path;
    for (const LoadedModule& module : *modules) run.TestModule(processId, program, module.path);
}

std::optional<std::vector<LoadedModule>> LoadedModulesOf(HANDLE process, DWORD processId)
{
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    const std::optional<std::vector<HMODULE>> listed = ModuleHandlesOf(api, process);
    if (!listed) return std::nullopt;
    if (listed->empty()) return std::vector<LoadedModule>();

    // Reading one module's path walks the process's loader list from its start; one
    // snapshot gives them all. A module it lacks or may have cut is read on its own.
    const auto snapshotPaths = SnapshotModulePaths(processId);
    std::vector<LoadedModule> modules;
    // The 32-bit and the 64-bit views of a WOW64 process can list the same handle twice.
    std::unordered_set<HMODULE> seen;
    for (HMODULE handle : *listed) {
        if (!seen.insert(handle).second) continue;
        const auto found = snapshotPaths.find(handle);
        // The program's path (the first) is read as terminate reads it, which tells by it whether the id
        // still runs the program.
        const bool fromSnapshot = !modules.empty() && found != snapshotPaths.end();
        modules.push_back({handle, fromSnapshot ? found->second : ModulePathOf(api, process, handle)});
    }
    return modules;
}
