#include "ProcessTermination.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/processes/ProcessControl.h"
#include "platform/processes/ProcessStatus.h"
#include "platform/text/TextCase.h"

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

}  // namespace

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
