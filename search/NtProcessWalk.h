#pragma once
// The module search on the Windows NT family: each process read in one pass, through a
// tool-help module snapshot, or the process-status interface where that fails.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ModuleSearch.h"
#include "ProcessModules.h"
#include "SearchOutcome.h"

// Walks every running process, however many run, each read whole by one of the run's
// worker threads, and says which of them it could not examine, or that it could not list
// them.
SearchOutcome WalkNtProcesses(const SearchRun& run);

// What reading one process gave.
struct ProcessReading {
    enum class Result {
        Read,       // `modules` holds what it has loaded
        Skipped,    // nothing to read: the idle process, or one without user-mode modules
        Ended,      // it ended after the process list was read
        Refused,    // it may not be opened, or read, with these rights: final
        Failed,     // it could not be read, for a reason another try would not change
        NotYetRead, // a failure another try may mend (one still starting): read again
    };
    DWORD processId = 0;
    Result result = Result::Skipped;
    std::optional<ProcessModules> modules;
    // Where it was not read: when it started, as far as the least rights tell.
    std::optional<std::uint64_t> startTime;
    // Where it was read: which of its modules match.
    std::vector<std::size_t> matching;
};

// Reads one process: its program's path, its start time and its modules (read when
// none of them fails, and its module list stops changing).
ProcessReading ReadNtProcess(DWORD processId);

// The full path of every module of an open process, in load order, each once, however
// many it has and however long their paths; nullopt when they cannot be listed, with the
// failed call's code in `error`.
std::optional<std::vector<std::wstring>> ModulePathsOf(HANDLE process, DWORD processId, DWORD& error);
