#pragma once
// Which of the processes a search could not read count as not examined, and their names.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "NtProcessWalk.h"
#include "SearchOutcome.h"

// What the least rights (PROCESS_QUERY_LIMITED_INFORMATION) tell of a process; its name and
// protection only when `named`.
struct Glimpse {
    bool opened = false;  // the least rights opened it: it runs, or has not long ended
    std::optional<std::uint64_t> startTime;
    bool withoutUserModules = false;  // no process environment block: nothing user-mode to read
    bool isProtected = false;
    std::wstring programName;  // its program's file name; empty where its image name cannot be read
};
Glimpse GlimpseOf(DWORD processId, bool named);

// The processes of `readings` that were refused or not read and still run as the search
// ends: the same process, its start time unchanged or, where not even that can be read,
// its id in a fresh process list. Named from the least rights, else the process
// snapshot. Neither this program nor a process without user-mode modules counts.
std::vector<UnexaminedProcess> UnexaminedProcesses(const std::vector<ProcessReading>& readings);
