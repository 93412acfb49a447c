#include "modEnumProcessesNT.h"

#include <algorithm>
#include <vector>

#include "platform/win/MessageBoxes.h"
#include "platform/win/ProcessStatus.h"

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
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    const UniqueHandle process = api.OpenProcess(kQueryAndReadAccess, processId);
    if (!process) return;
    const std::optional<std::wstring> exePath = ProgramPathOf(api, process.get());
    if (!exePath) return;
    ScanModulesNT(search, process.get(), *exePath, processId);
}

void ScanModulesNT(const SearchRequest& search, HANDLE process, const std::wstring& exePath, DWORD processId)
{
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    std::vector<HMODULE> modules(kMaxModules);
    DWORD bytesNeeded = 0;
    if (!api.ListModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                         &bytesNeeded)) {
        return;
    }
    // A process with more modules than the buffer holds: only the first 2048 are tested.
    const std::size_t count = std::min<std::size_t>(bytesNeeded / sizeof(HMODULE), modules.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring modulePath = ModulePathOf(api, process, modules[i]);
        if (MatchModuleName(modulePath, search.spec, search.partial, true)) {
            AddModuleHit(search.list, search.versions, static_cast<std::int32_t>(processId), exePath, modulePath);
        }
    }
}
