#include "modEnumProcessesNT.h"

#include <array>
#include <vector>

#include "platform/support/TextOperations.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/ProcessStatus.h"

namespace {

constexpr std::size_t kMaxProcesses = 1024;
constexpr std::size_t kMaxModules = 2048;
constexpr DWORD kPathCapacity = 1024;
constexpr DWORD kQueryAndReadAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;  // 0x410

// The module's full path; empty when it cannot be read.
std::wstring ModulePath(ProcessStatus& api, HANDLE process, HMODULE module)
{
    std::array<wchar_t, kPathCapacity + 1> buffer{};
    api.ModuleFileName(process, module, buffer.data(), kPathCapacity);
    return qsGetStringFromPointer(buffer.data(), buffer.size());
}

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

    HMODULE first = nullptr;
    DWORD bytesNeeded = 0;
    if (!api.ListModules(process.get(), &first, sizeof first, &bytesNeeded)) return;

    ScanModulesNT(search, process.get(), ModulePath(api, process.get(), first), processId);
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
        const std::wstring modulePath = ModulePath(api, process, modules[i]);
        if (MatchModuleName(modulePath, search.spec, search.partial, true)) {
            AddModuleHit(search.list, search.versions, static_cast<std::int32_t>(processId), exePath, modulePath);
        }
    }
}
