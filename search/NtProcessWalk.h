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
// worker threads, and says which of them it could not examine; reports a failed listing
// with a message box.
SearchOutcome WalkNtProcesses(const SearchRun& run);

// What reading one process gave.
struct ProcessReading {
    enum class Result {
        Read,      // `modules` holds what it has loaded
        Skipped,   // nothing to read: the idle process, or one without user-mode modules
        Refused,   // the process may not be opened with these rights
        Failed,    // it could be opened, but not read (one still starting, say)
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
// many it has and however long their paths; nullopt when they cannot be listed.
std::optional<std::vector<std::wstring>> ModulePathsOf(HANDLE process, DWORD processId);
