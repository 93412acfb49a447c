#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Seam.h"
#include "platform/UniqueResource.h"

// The calls that read another process: the process-status interface (PSAPI), its
// program's image name and its start time. A seam, so that tests can make each of them
// fail or answer for more processes, modules and longer paths than a test machine has.
// The member names differ from the API's, which psapi.h turns into K32... macros.
class ProcessQueries {
public:
    virtual ~ProcessQueries() = default;
    virtual bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* bytesWritten) = 0;
    // A null handle when the process cannot be opened, with the reason in the last error.
    virtual UniqueHandle OpenProcess(DWORD access, DWORD processId) = 0;
    virtual bool ListModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded) = 0;
    // The module's full path written into the buffer, NUL-terminated and cut to fit;
    // the characters written, 0 on failure.
    virtual DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD capacity) = 0;
    // QueryFullProcessImageNameW: needs only PROCESS_QUERY_LIMITED_INFORMATION. `size` is
    // the buffer's capacity, then the path's length; false when it does not fit or fails.
    virtual bool ImageName(HANDLE process, wchar_t* buffer, DWORD* size) = 0;
    // GetProcessTimes' creation time, in 100-nanosecond units since 1601.
    virtual bool StartTime(HANDLE process, std::uint64_t* time) = 0;
    // Whether the process has a process environment block, where its user-mode modules
    // are listed: the System process and the minimal processes (Registry, Memory
    // Compression) have none. False when that cannot be read.
    virtual bool HasEnvironmentBlock(HANDLE process, bool* present) = 0;
    // Whether the process is protected (a process of the system or of an anti-malware
    // service); false where the platform cannot tell (before Windows 8.1).
    virtual bool IsProtected(HANDLE process, bool* isProtected) = 0;
    // ReadProcessMemory: `size` bytes at `address` of the process into `out`, needing
    // PROCESS_VM_READ. `read` counts what was read, part of it where the rest is unreadable.
    virtual bool ReadMemory(HANDLE process, std::uint64_t address, void* out, std::size_t size, std::size_t* read) = 0;
    // The session the process runs in (ProcessIdToSessionId); false when it cannot be read.
    virtual bool SessionOf(DWORD processId, DWORD* sessionId) = 0;
    // The user the process's token runs as: the bytes of its SID; empty when the token
    // cannot be read. The handle needs PROCESS_QUERY_LIMITED_INFORMATION.
    virtual std::vector<std::uint8_t> TokenUser(HANDLE process) = 0;
    // A packaged application's application user model id; empty for any other process, or
    // where it cannot be read (before Windows 8 there are none).
    virtual std::wstring ApplicationUserModelId(HANDLE process) = 0;
};
template <>
ProcessQueries& Seam<ProcessQueries>::Default();

// The access the module search needs: PROCESS_QUERY_INFORMATION | PROCESS_VM_READ.
inline constexpr DWORD kQueryAndReadAccess = 0x410;
// The least access: the image name, the start time, the environment block, the protection.
inline constexpr DWORD kLimitedQueryAccess = PROCESS_QUERY_LIMITED_INFORMATION;

// Each helper below gives up, as if the call had failed, when the answer keeps growing
// past what it has made room for.

// The ids of every running process, however many run; nullopt when they cannot be listed.
std::optional<std::vector<DWORD>> RunningProcessIds(ProcessQueries& api);

// The handles of every module of an open process, in load order, the program's first;
// nullopt when they cannot be listed.
std::optional<std::vector<HMODULE>> ModuleHandlesOf(ProcessQueries& api, HANDLE process);

// A module's full path, whatever its length; empty when it cannot be read.
std::wstring ModulePathOf(ProcessQueries& api, HANDLE process, HMODULE module);

// The full path of the process's program, whatever its length; nullopt when it cannot
// be read.
std::optional<std::wstring> ProgramPathOf(ProcessQueries& api, HANDLE process);

// When the process started; nullopt when that cannot be read.
std::optional<std::uint64_t> StartTimeOf(ProcessQueries& api, HANDLE process);

// Whether a process may still run: its id is in the process list, read once, when first
// asked. A list that cannot be read proves nothing: then every process may still run.
class RunningProcesses {
public:
    explicit RunningProcesses(ProcessQueries& api) : api_(api) {}
    bool MayRun(DWORD processId);

private:
    ProcessQueries& api_;
    std::optional<std::optional<std::vector<DWORD>>> ids_;
};
