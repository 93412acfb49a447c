#pragma once
// The module search on the Windows NT family: each process read in one pass, through a
// tool-help module snapshot, or the process-status interface where that fails.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ModuleSearch.h"
#include "ProcessModules.h"
#include "SearchOutcome.h"
#include "platform/UniqueResource.h"

// Walks every running process, however many run, each read whole by one of the run's
// worker threads, and says which of them it could not examine, or that it could not list
// them.
SearchOutcome WalkNtProcesses(const SearchRun& run);

// A module that matched, as its process's memory shows it.
struct LoadedModule {
    std::wstring path;
    std::uint64_t base = 0;
    std::optional<ImageStamp> running;
};

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
    std::optional<ProcessModules> modules;  // where it was read
    // Where modules matched: the process held open, and each one's base and running image's
    // headers, until their copies have been compared with the files at their paths.
    UniqueHandle process;
    std::vector<LoadedModule> loaded;
    // Where it was not read: when it started, as far as the least rights tell.
    std::optional<std::uint64_t> startTime;
};

// Reads one process: its program's path, its start time and the modules of it that match
// (read when none of the calls fails, and its module list stops changing), each with the
// headers of the image it runs.
ProcessReading ReadNtProcess(const SearchRun& run, DWORD processId);

// Sees each module's full path and base address.
using ModuleVisitor = std::function<void(std::wstring path, std::uint64_t base)>;

// Visits every module of an open process, in load order, each once, however many it has
// and however long their paths; false when they cannot be listed, with the failed call's
// code in `error`.
bool VisitModulesOf(HANDLE process, DWORD processId, DWORD& error, const ModuleVisitor& visit);
