#pragma once
// The module search on the Windows NT family: each process read in one pass, through a
// tool-help module snapshot, or the process-status interface where that fails.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ModuleSearch.h"
#include "ProcessModules.h"

// Walks every running process, however many run; reports a failed listing with a
// message box, and skips every process it cannot examine.
void WalkNtProcesses(const SearchRun& run);

// Reads one process: its program's path, its start time and its modules; nullopt when
// it cannot be examined (it cannot be opened, its program's path or its modules cannot
// be read, or its module list keeps changing).
std::optional<ProcessModules> ReadNtProcess(DWORD processId);

// The full path of every module of an open process, in load order, each once, however
// many it has and however long their paths; nullopt when they cannot be listed.
std::optional<std::vector<std::wstring>> ModulePathsOf(HANDLE process, DWORD processId);
