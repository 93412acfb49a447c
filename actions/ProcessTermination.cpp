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

// A listed process on its way to its end.
struct Ending {
    UniqueHandle process;     // none: decided without waiting
    ULONGLONG allowedMs = 0;  // how long it may take to end
    ProcessEnd ifStillRunning;  // what it is if it still runs when the wait is over
};

// The code of the call that has just failed; a failure that left none still is one.
DWORD FailureCode(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

enum class Identity { Same, Another, Unknown };

// Whether the open process is the listed one: the id and the start time name one process
// for good; without a start time to compare, its program's path tells.
Identity IdentityOf(const ListedProcess& listed, ProcessQueries& api, HANDLE process)
{
    const std::optional<std::uint64_t> started = listed.startTime ? StartTimeOf(api, process) : std::nullopt;
    if (started) return *started == *listed.startTime ? Identity::Same : Identity::Another;
    const std::optional<std::wstring> program = ProgramPathOf(api, process);
    if (!program || program->empty() || listed.program.empty()) return Identity::Unknown;
    return EqualIgnoringCase(*program, listed.program) ? Identity::Same : Identity::Another;
}

ProcessEnd Failure(DWORD error) { return {ProcessEnd::Outcome::Failed, error}; }

// Terminates the process unless it has ended already (a browser's helper processes end
// with their main one) or is another now.
Ending StartEnding(const ListedProcess& listed, ProcessQueries& api, ProcessControl& control, RunningProcesses& running)
{
    const auto id = static_cast<DWORD>(listed.processId);
    UniqueHandle process = api.OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | control.CriticalCheckAccess(), id);
    if (!process) {
        const DWORD error = FailureCode(ERROR_ACCESS_DENIED);
        if (!running.MayRun(id)) return {};
        // Its id may belong to another process by now, which the least rights can tell.
        const UniqueHandle glimpse = api.OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, id);
        if (glimpse && IdentityOf(listed, api, glimpse.get()) == Identity::Another) return {};
        return {UniqueHandle(), 0, Failure(error)};
    }
    const auto unlessItEnds = [&](ProcessEnd outcome) { return Ending{std::move(process), kWaitForEndingMs, outcome}; };
    switch (IdentityOf(listed, api, process.get())) {
    case Identity::Another: return {};
    case Identity::Unknown: return unlessItEnds({ProcessEnd::Outcome::Unidentified, ERROR_SUCCESS});
    case Identity::Same: break;
    }
    // Ending a critical process stops Windows at once.
    if (control.IsCritical(process.get())) return {UniqueHandle(), 0, {ProcessEnd::Outcome::Critical, ERROR_SUCCESS}};
    if (!control.Terminate(process.get())) return unlessItEnds(Failure(FailureCode(ERROR_ACCESS_DENIED)));
    // Terminating is asynchronous: a process that does not end keeps its modules loaded.
    return {std::move(process), kWaitForEndMs, Failure(ERROR_TIMEOUT)};
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

bool IsCriticalProcess(const ListedProcess& process)
{
    ProcessControl& control = Seam<ProcessControl>::Current();
    const UniqueHandle opened =
        Seam<ProcessQueries>::Current().OpenProcess(control.CriticalCheckAccess(), static_cast<DWORD>(process.processId));
    return opened && control.IsCritical(opened.get());
}

std::vector<ListedProcess> StillRunningAfter(const std::vector<ListedProcess>& processes, ULONGLONG milliseconds)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    std::vector<Ending> endings;
    std::vector<bool> unwatched;
    for (const ListedProcess& process : processes) {
        UniqueHandle watched = api.OpenProcess(SYNCHRONIZE, static_cast<DWORD>(process.processId));
        unwatched.push_back(!watched && GetLastError() != ERROR_INVALID_PARAMETER);  // not one that has ended
        endings.push_back({std::move(watched), milliseconds, Failure(ERROR_TIMEOUT)});
    }
    WaitForEnds(endings, Seam<ProcessControl>::Current());
    std::vector<ListedProcess> running;
    for (std::size_t i = 0; i < processes.size(); ++i) {
        if (endings[i].process || unwatched[i]) running.push_back(processes[i]);
    }
    return running;
}

std::vector<ProcessEnd> EndListedProcesses(const std::vector<ListedProcess>& processes)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    ProcessControl& control = Seam<ProcessControl>::Current();
    std::vector<Ending> endings;
    endings.reserve(processes.size());
    RunningProcesses running(api);
    for (const ListedProcess& process : processes) endings.push_back(StartEnding(process, api, control, running));
    WaitForEnds(endings, control);
    std::vector<ProcessEnd> outcomes;
    for (const Ending& ending : endings) outcomes.push_back(ending.ifStillRunning);
    return outcomes;
}
