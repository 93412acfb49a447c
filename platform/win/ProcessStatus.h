#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Seam.h"
#include "UniqueResource.h"

// The process-status calls (PSAPI) that the module search makes: a seam, so that tests
// can make each of them fail. The member names differ from the API's, which psapi.h
// turns into K32... macros.
class ProcessStatus {
public:
    virtual ~ProcessStatus() = default;
    virtual bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* bytesWritten) = 0;
    // A null handle when the process cannot be opened.
    virtual UniqueHandle OpenProcess(DWORD access, DWORD processId) = 0;
    virtual bool ListModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded) = 0;
    // The module's full path written into the buffer, NUL-terminated; 0 on failure.
    virtual DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD capacity) = 0;
};
template <>
ProcessStatus& Seam<ProcessStatus>::Default();

// The access the module search needs: PROCESS_QUERY_INFORMATION | PROCESS_VM_READ.
inline constexpr DWORD kQueryAndReadAccess = 0x410;

// A module's full path (at most 1024 characters); empty when it cannot be read.
std::wstring ModulePathOf(ProcessStatus& api, HANDLE process, HMODULE module);

// The full path of the process's program, its first module; nullopt when the
// process's modules cannot be listed, empty when the path cannot be read.
std::optional<std::wstring> ProgramPathOf(ProcessStatus& api, HANDLE process);
