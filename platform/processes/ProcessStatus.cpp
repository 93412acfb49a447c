#include "ProcessStatus.h"

#include <psapi.h>

#include "platform/text/TextOperations.h"

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

// The first sizes of the buffers; most machines never need more. A terminal server with
// many users runs thousands of processes, and a module's path may be long.
constexpr std::size_t kFirstProcessCapacity = 1024;
constexpr std::size_t kFirstModuleCapacity = 2048;
constexpr DWORD kFirstPathCapacity = 1024;
// The longest path Windows handles at all.
constexpr DWORD kLongestPath = 32'767;

template <class T>
DWORD BytesOf(const std::vector<T>& buffer)
{
    return static_cast<DWORD>(buffer.size() * sizeof(T));
}

}  // namespace

template <>
ProcessStatus& Seam<ProcessStatus>::Default()
{
    static SystemProcessStatus api;
    return api;
}

std::optional<std::vector<DWORD>> RunningProcessIds(ProcessStatus& api)
{
    std::vector<DWORD> ids(kFirstProcessCapacity);
    for (;;) {
        DWORD written = 0;
        if (!api.ListProcesses(ids.data(), BytesOf(ids), &written)) return std::nullopt;
        // A full buffer may have cut the list: only a list with room to spare is whole.
        if (written < BytesOf(ids)) {
            ids.resize(written / sizeof(DWORD));
            return ids;
        }
        ids.resize(ids.size() * 2);
    }
}

std::optional<std::vector<HMODULE>> ModuleHandlesOf(ProcessStatus& api, HANDLE process)
{
    std::vector<HMODULE> handles(kFirstModuleCapacity);
    for (;;) {
        DWORD needed = 0;
        if (!api.ListModules(process, handles.data(), BytesOf(handles), &needed)) return std::nullopt;
        if (needed <= BytesOf(handles)) {
            handles.resize(needed / sizeof(HMODULE));
            return handles;
        }
        // The process may load more modules before the next call: that asks again.
        handles.resize((needed + sizeof(HMODULE) - 1) / sizeof(HMODULE));
    }
}

std::wstring ModulePathOf(ProcessStatus& api, HANDLE process, HMODULE module)
{
    for (DWORD capacity = kFirstPathCapacity;; capacity *= 2) {
        std::vector<wchar_t> buffer(capacity + 1, L'\0');
        const DWORD length = api.ModuleFileName(process, module, buffer.data(), capacity);
        // A path that fills the buffer may have been cut.
        if (length + 1 < capacity || capacity > kLongestPath) {
            return StringFromBuffer(buffer.data(), buffer.size());
        }
    }
}

std::optional<std::wstring> ProgramPathOf(ProcessStatus& api, HANDLE process)
{
    HMODULE first = nullptr;
    DWORD bytesNeeded = 0;
    if (!api.ListModules(process, &first, sizeof first, &bytesNeeded)) return std::nullopt;
    return ModulePathOf(api, process, first);
}
