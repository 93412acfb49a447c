#include "ProcessOperations.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/TextCase.h"
#include "platform/win/ProcessControl.h"
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

// How long a process gets to end after its termination; and, shorter, one that refuses
// what follows its opening because it is ending anyway (the window waits meanwhile).
constexpr DWORD kWaitForEndMs = 5'000;
constexpr DWORD kWaitForEndingMs = 500;

// The code of the call that has just failed; a failure that left none still is one.
DWORD FailureCode(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

bool IsRunning(ProcessStatus& api, DWORD processId)
{
    const std::optional<std::vector<DWORD>> ids = RunningProcessIds(api);
    // A list that cannot be read proves nothing: the process may still run.
    return !ids || std::find(ids->begin(), ids->end(), processId) != ids->end();
}

// Ends the listed process unless it has ended already (a browser's helper processes end
// with their main one); ERROR_SUCCESS once it no longer runs, else why it still does.
DWORD EndListedProcess(DWORD processId, const std::wstring& programPath)
{
    ProcessStatus& api = Seam<ProcessStatus>::Current();
    ProcessControl& control = Seam<ProcessControl>::Current();
    const UniqueHandle process = api.OpenProcess(kQueryAndReadAccess | PROCESS_TERMINATE | SYNCHRONIZE, processId);
    if (!process) {
        const DWORD error = FailureCode(ERROR_ACCESS_DENIED);
        return IsRunning(api, processId) ? error : ERROR_SUCCESS;
    }
    // A process that is ending may refuse what follows; it gets its time to end.
    const auto unlessItEnds = [&](DWORD error) {
        return control.WaitForEnd(process.get(), kWaitForEndingMs) ? ERROR_SUCCESS : error;
    };
    const std::optional<std::wstring> running = ProgramPathOf(api, process.get());
    if (!running) return unlessItEnds(FailureCode(ERROR_PARTIAL_COPY));
    // Without both paths nothing tells whether the id still belongs to the listed process.
    if (running->empty() || programPath.empty()) return unlessItEnds(ERROR_PARTIAL_COPY);
    // The listed process has ended, and another program has its id now: left alone.
    if (!EqualIgnoringCase(*running, programPath)) return ERROR_SUCCESS;
    // Ending a critical process stops Windows at once.
    if (control.IsCritical(process.get())) return ERROR_ACCESS_DENIED;
    if (!control.Terminate(process.get())) return unlessItEnds(FailureCode(ERROR_ACCESS_DENIED));
    // Terminating is asynchronous: a process that does not end keeps its modules loaded.
    return control.WaitForEnd(process.get(), kWaitForEndMs) ? ERROR_SUCCESS : ERROR_TIMEOUT;
}

}  // namespace

bool qsKillApp(std::int32_t processId, const std::wstring& programPath)
{
    const DWORD error = EndListedProcess(static_cast<DWORD>(processId), programPath);
    SetLastError(error);
    return error == ERROR_SUCCESS;
}

unsigned long qsGetLastDLLError() { return GetLastError(); }
