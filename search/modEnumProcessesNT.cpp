#include "modEnumProcessesNT.h"

#include <algorithm>
#include <unordered_set>

#include "platform/win/MessageBoxes.h"
#include "platform/win/ProcessStatus.h"
#include "platform/win/ToolHelp.h"

namespace {

constexpr std::size_t kMaxProcesses = 1024;
constexpr std::size_t kMaxModules = 2048;

}  // namespace

void EnumProcessesNT(const SearchRequest& search)
{
    std::vector<DWORD> ids(kMaxProcesses);
    DWORD bytesWritten = 0;
    if (!Seam<ProcessStatus>::Current().ListProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)),
                                                       &bytesWritten)) {
        ShowMessage(L"Can't enum processes!", MB_OK | MB_ICONSTOP);
        return;
    }
    const std::size_t count = std::min<std::size_t>(bytesWritten / sizeof(DWORD), ids.size());
    for (std::size_t i = 0; i < count; ++i) ScanProcessNT(search, ids[i]);
}

void ScanProcessNT(const SearchRequest& search, DWORD processId)
{
    const UniqueHandle process = Seam<ProcessStatus>::Current().OpenProcess(kQueryAndReadAccess, processId);
    if (!process) return;
    const std::optional<std::vector<LoadedModule>> modules = ListModulesNT(process.get(), processId);
    if (!modules) return;
    const std::wstring exePath = modules->empty() ? std::wstring() : modules->front().path;
    ScanModulesNT(search, *modules, exePath, processId);
}

void ScanModulesNT(const SearchRequest& search, const std::vector<LoadedModule>& modules,
                   const std::wstring& exePath, DWORD processId)
{
    for (const LoadedModule& module : modules) {
        if (MatchModuleName(module.path, search.spec, search.partial, true)) {
            AddModuleHit(search.list, search.versions, static_cast<std::int32_t>(processId), exePath, module.path);
        }
    }
}

std::optional<std::vector<LoadedModule>> ListModulesNT(HANDLE process, DWORD processId)
{
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    std::vector<HMODULE> listed(kMaxModules);
    DWORD bytesNeeded = 0;
    if (!api.ListModules(process, listed.data(), static_cast<DWORD>(listed.size() * sizeof(HMODULE)), &bytesNeeded)) {
        return std::nullopt;
    }
    // A process with more modules than the buffer holds: only the first 2048 count.
    listed.resize(std::min<std::size_t>(bytesNeeded / sizeof(HMODULE), listed.size()));
    if (listed.empty()) return std::vector<LoadedModule>();

    // Reading one module's path walks the process's loader list from its start; one
    // snapshot gives them all. A module it lacks or may have cut is read on its own.
    const auto snapshotPaths = SnapshotModulePaths(processId);
    std::vector<LoadedModule> modules;
    // The 32-bit and the 64-bit views of a WOW64 process can list the same handle twice.
    std::unordered_set<HMODULE> seen;
    for (HMODULE handle : listed) {
        if (!seen.insert(handle).second) continue;
        const auto found = snapshotPaths.find(handle);
        modules.push_back({handle, found != snapshotPaths.end() ? found->second : ModulePathOf(api, process, handle)});
    }
    return modules;
}
