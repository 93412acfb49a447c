#include "ProcessOperations.h"

#include <windows.h>

#include <vector>

#include "platform/TextCase.h"
#include "platform/win/ProcessStatus.h"
#include "platform/win/SystemError.h"
#include "platform/win/UniqueResource.h"

bool qsEnableDebugPrivilege(bool enable)
{
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) return false;
    const UniqueHandle token(rawToken);

    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    if (!LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &privileges.Privileges[0].Luid)) return false;

    // AdjustTokenPrivileges succeeds even when the account lacks the privilege; only
    // the last error tells.
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof privileges, nullptr, nullptr)) return false;
    return GetLastError() == ERROR_SUCCESS;
}

std::wstring qsGetEXEModuleFullFileName()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) ThrowLastError(L"GetModuleFileName");
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}

namespace {

constexpr DWORD kWaitForEndMs = 5'000;

// The code of the call that has just failed; a failure that left none still is one.
DWORD FailureCode(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// Terminates the process if it runs the program; the failure's code otherwise.
DWORD TerminateIfRunning(DWORD processId, const std::wstring& programPath)
{
    // By id too: a path of 1024 characters or more is read cut, and so never equals
    // the program's own.
    if (processId == GetCurrentProcessId()) return ERROR_ACCESS_DENIED;
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    const UniqueHandle process = api.OpenProcess(kQueryAndReadAccess | PROCESS_TERMINATE | SYNCHRONIZE, processId);
    if (!process) return FailureCode(ERROR_ACCESS_DENIED);
    const std::optional<std::wstring> running = ProgramPathOf(api, process.get());
    if (!running) return FailureCode(ERROR_PARTIAL_COPY);
    if (!EqualIgnoringCase(*running, programPath)) return ERROR_NOT_FOUND;
    if (!TerminateProcess(process.get(), 1)) return FailureCode(ERROR_ACCESS_DENIED);
    // Terminating is asynchronous: the next row must find the process gone.
    WaitForSingleObject(process.get(), kWaitForEndMs);
    return ERROR_SUCCESS;
}

}  // namespace

bool qsKillApp(std::int32_t processId, const std::wstring& programPath)
{
    const DWORD error = TerminateIfRunning(static_cast<DWORD>(processId), programPath);
    SetLastError(error);
    return error == ERROR_SUCCESS;
}

unsigned long qsGetLastDLLError() { return GetLastError(); }
