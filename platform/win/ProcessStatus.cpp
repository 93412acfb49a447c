#include "ProcessStatus.h"

#include <psapi.h>

#include <array>

#include "platform/support/TextOperations.h"

namespace {

class SystemProcessStatus final : public ProcessStatus {
public:
    bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* bytesWritten) override
    {
        return EnumProcesses(ids, bytes, bytesWritten) != FALSE;
    }
    UniqueHandle OpenProcess(DWORD access, DWORD processId) override
    {
        return UniqueHandle(::OpenProcess(access, FALSE, processId));
    }
    bool ListModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded) override
    {
        // LIST_MODULES_ALL: a 64-bit caller sees the own modules of 32-bit processes too.
        return EnumProcessModulesEx(process, modules, bytes, bytesNeeded, LIST_MODULES_ALL) != FALSE;
    }
    DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD capacity) override
    {
        return GetModuleFileNameExW(process, module, buffer, capacity);
    }
};

}  // namespace

template <>
ProcessStatus& Seam<ProcessStatus>::Default()
{
    static SystemProcessStatus api;
    return api;
}

std::wstring ModulePathOf(ProcessStatus& api, HANDLE process, HMODULE module)
{
    constexpr DWORD kPathCapacity = 1024;
    std::array<wchar_t, kPathCapacity + 1> buffer{};
    api.ModuleFileName(process, module, buffer.data(), kPathCapacity);
    return qsGetStringFromPointer(buffer.data(), buffer.size());
}

std::optional<std::wstring> ProgramPathOf(ProcessStatus& api, HANDLE process)
{
    HMODULE first = nullptr;
    DWORD bytesNeeded = 0;
    if (!api.ListModules(process, &first, sizeof first, &bytesNeeded)) return std::nullopt;
    return ModulePathOf(api, process, first);
}
