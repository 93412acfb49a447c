#include "ProcessTermination.h"

#include <algorithm>
#include <optional>

#include "platform/Clock.h"
#include "platform/UniqueResource.h"
#include "platform/processes/ProcessControl.h"
#include "platform/processes/ProcessQueries.h"
#include "platform/text/TextCase.h"
#include "platform/ui/MessagePump.h"

namespace {

// How long, from the start of the one wait, a terminated process gets to end; and one
// that refused what follows its opening because it is ending anyway.
constexpr ULONGLONG kWaitForEndMs = 5'000;
constexpr ULONGLONG kWaitForEndingMs = 500;
// With more processes than one wait takes, the others are looked at again this often.
constexpr DWORD kSliceMs = 50;
constexpr DWORD kAccess = PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE;

// A listed process on its way to its end.
struct Ending {
    UniqueHandle process;      // none: decided without waiting
    ULONGLONG allowedMs = 0;   // how long it may take to end
    DWORD error = ERROR_SUCCESS;  // why it still runs if it does when the wait is over
};

// The code of the call that has just failed; a failure that left none still is one.
DWORD FailureCode(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// Terminates the process unless it has ended already (a browser's helper processes end
// with their main one) or is another now.
Ending StartEnding(const ListedProcess& listed, ProcessQueries& api, ProcessControl& control, RunningProcesses& running)
{
    const auto id = static_cast<DWORD>(listed.processId);
    UniqueHandle process = api.OpenProcess(kAccess, id);
    if (!process) {
        const DWORD error = FailureCode(ERROR_ACCESS_DENIED);
        return {UniqueHandle(), 0, running.MayRun(id) ? error : ERROR_SUCCESS};
    }
    const auto unlessItEnds = [&](DWORD error) { return Ending{std::move(process), kWaitForEndingMs, error}; };
    // The id and the start time name one process for good: another that took the id is left alone.
    const std::optional<std::uint64_t> started = listed.startTime ? StartTimeOf(api, process.get()) : std::nullopt;
    if (started && *started != *listed.startTime) return {};
    if (!started) {
        SetLastError(ERROR_SUCCESS);
        const std::optional<std::wstring> program = ProgramPathOf(api, process.get());
        if (!program) return unlessItEnds(FailureCode(ERROR_PARTIAL_COPY));
        // Without both paths nothing tells whether the id still belongs to the listed process.
        if (program->empty() || listed.program.empty()) return unlessItEnds(ERROR_PARTIAL_COPY);
        // The listed program has ended, and another program has its id now.
        if (!EqualIgnoringCase(*program, listed.program)) return {};
    }
    // Ending a critical process stops Windows at once.
    if (control.IsCritical(process.get())) return {UniqueHandle(), 0, ERROR_ACCESS_DENIED};
    if (!control.Terminate(process.get())) return unlessItEnds(FailureCode(ERROR_ACCESS_DENIED));
    // Terminating is asynchronous: a process that does not end keeps its modules loaded.
    return {std::move(process), kWaitForEndMs, ERROR_TIMEOUT};
}

// Waits until every process has ended or has had its time, answering the window meanwhile.
void WaitForEnds(std::vector<Ending>& endings, ProcessControl& control)
{
    Clock& clock = Seam<Clock>::Current();
    const ULONGLONG start = clock.NowMs();
    for (;;) {
        const ULONGLONG now = clock.NowMs();
        std::vector<HANDLE> waiting;
        ULONGLONG nextDeadline = ~0ULL;
        for (Ending& ending : endings) {
            if (!ending.process) continue;
            if (control.HasEnded(ending.process.get())) {
                ending = {};
                continue;
            }
            const ULONGLONG deadline = start + ending.allowedMs;
            if (deadline <= now) continue;
            waiting.push_back(ending.process.get());
            nextDeadline = std::min(nextDeadline, deadline);
        }
        if (waiting.empty()) return;
        const auto count = static_cast<DWORD>(std::min<std::size_t>(waiting.size(), MAXIMUM_WAIT_OBJECTS - 1));
        auto timeout = static_cast<DWORD>(nextDeadline - now);
        if (waiting.size() > count) timeout = std::min(timeout, kSliceMs);
        if (control.WaitForEndOrMessages(waiting.data(), count, timeout) == WAIT_OBJECT_0 + count) {
            DispatchPaintAndSentMessages();
        }
    }
}

}  // namespace

std::vector<DWORD> EndListedProcesses(const std::vector<ListedProcess>& processes)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    ProcessControl& control = Seam<ProcessControl>::Current();
    std::vector<Ending> endings;
    endings.reserve(processes.size());
    RunningProcesses running(api);
    for (const ListedProcess& process : processes) endings.push_back(StartEnding(process, api, control, running));
    WaitForEnds(endings, control);
    std::vector<DWORD> outcomes;
    for (const Ending& ending : endings) outcomes.push_back(ending.error);
    return outcomes;
}
