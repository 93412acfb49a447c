#pragma once
// The module search on the Windows NT family, through the process-status interface.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ModuleSearch.h"

// Walks every running process, however many run; reports a failed listing with a
// message box, and skips every process it cannot examine.
void WalkNtProcesses(const SearchRun& run);

// Opens one process, lists its modules and tests them; its program is the first.
void ScanNtProcess(const SearchRun& run, DWORD processId);

// A module loaded in a process, with its full path (empty when it cannot be read).
struct LoadedModule {
    HMODULE handle;
    std::wstring path;
};

// The modules of an open process in load order, each handle once, however many it has,
// with their whole paths; nullopt when the modules cannot be listed.
std::optional<std::vector<LoadedModule>> LoadedModulesOf(HANDLE process, DWORD processId);
