#include "ProcessStatus.h"

#include <psapi.h>

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
