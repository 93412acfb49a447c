#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Seam.h"
#include "platform/UniqueResource.h"

// The process-status calls (PSAPI) that the module search and terminate make: a seam,
// so that tests can make each of them fail or answer for more processes, modules and
// longer paths than a test machine has. The member names differ from the API's, which
// psapi.h turns into K32... macros.
class ProcessStatus {
public:
    virtual ~ProcessStatus() = default;
    virtual bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* bytesWritten) = 0;
    // A null handle when the process cannot be opened.
    virtual UniqueHandle OpenProcess(DWORD access, DWORD processId) = 0;
    virtual bool ListModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded) = 0;
    // The module's full path written into the buffer, NUL-terminated and cut to fit;
    // the characters written, 0 on failure.
    virtual DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD capacity) = 0;
};
template <>
ProcessStatus& Seam<ProcessStatus>::Default();

// The access the module search needs: PROCESS_QUERY_INFORMATION | PROCESS_VM_READ.
inline constexpr DWORD kQueryAndReadAccess = 0x410;

// The ids of every running process, however many run; nullopt when they cannot be listed.
std::optional<std::vector<DWORD>> RunningProcessIds(ProcessStatus& api);

// The handles of every module of an open process, in load order, the program's first;
// nullopt when they cannot be listed.
std::optional<std::vector<HMODULE>> ModuleHandlesOf(ProcessStatus& api, HANDLE process);

// A module's full path, whatever its length; empty when it cannot be read.
std::wstring ModulePathOf(ProcessStatus& api, HANDLE process, HMODULE module);

// The full path of the process's program, its first module; nullopt when the
// process's modules cannot be listed, empty when the path cannot be read.
std::optional<std::wstring> ProgramPathOf(ProcessStatus& api, HANDLE process);
