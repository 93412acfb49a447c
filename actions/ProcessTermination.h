#pragma once
// Terminate's policy: which listed processes it may end, and how long it waits for them.
#include <windows.h>

#include <vector>

#include "ListedProcesses.h"

// Ends every listed process that is still the one the search found, then waits for all
// of them at once: at most 5 seconds in all, and half a second for one that refused (a
// process that is ending may refuse what follows); the thread's windows keep answering
// meanwhile. A process is the one the search found when its start time is the same, or,
// where a start time is missing, its program's path (whatever its letter case); one
// that is not has ended, and another has taken its id: it is left alone.
//
// For each process, in the list's order: ERROR_SUCCESS once it no longer runs (also
// when it had ended before), else why it still does: the failed call's code for one that
// refused, ERROR_ACCESS_DENIED for one Windows marks critical, ERROR_TIMEOUT for one
// still running when the wait is over, ERROR_PARTIAL_COPY for one that nothing tells
// from another (its program's path cannot be read now, or was not read by the search).
std::vector<DWORD> EndListedProcesses(const std::vector<ListedProcess>& processes);
