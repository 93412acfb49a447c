#pragma once
// Terminate's policy: which listed processes it may end, and how long it waits for them.
#include <windows.h>

#include <vector>

#include "ListedProcesses.h"

// How it went with one listed process.
struct ProcessEnd {
    enum class Outcome {
        Ended,         // it no longer runs (also when it had ended before, or another has its id now)
        Failed,        // it still runs: `error` says why
        Unidentified,  // left alone: nothing tells whether it is still the one the search found
        Critical,      // left alone: Windows marks it critical, and ending it stops the system
    };
    Outcome outcome = Outcome::Ended;
    DWORD error = ERROR_SUCCESS;  // the failed call's code for one that refused; ERROR_TIMEOUT for one still running

    bool operator==(const ProcessEnd&) const = default;
};

// Ends every listed process that is still the one the search found, then waits for all
// of them at once: at most 5 seconds in all, and half a second for one that refused (a
// process that is ending may refuse what follows); the thread's windows keep answering
// meanwhile. A process is the one the search found when its start time is the same, or,
// where a start time is missing, its program's path (whatever its letter case); one
// that is not has ended, and another has taken its id: it is left alone, and so is one
// that cannot be opened to end it but is another by the same tests, read with the least
// rights. One outcome a process, in the list's order.
std::vector<ProcessEnd> EndListedProcesses(const std::vector<ListedProcess>& processes);

// Whether Windows marks the listed process critical (false where that cannot be read).
bool IsCriticalProcess(const ListedProcess& process);

// Gives the processes `milliseconds` to end by themselves, the thread's windows answering
// meanwhile; the ones still running then (or that cannot be watched), in their order.
std::vector<ListedProcess> StillRunningAfter(const std::vector<ListedProcess>& processes, ULONGLONG milliseconds);
