#pragma once
// The module search on the Windows 9x family, through tool-help snapshots.
#include <windows.h>

#include <optional>
#include <string>

#include "ModuleSearch.h"

// Walks a snapshot of all processes, and skips every process whose modules cannot be
// listed; says when the snapshot itself failed.
std::optional<ListingFailure> WalkWin9xProcesses(const SearchRun& run);

// Walks a snapshot of one process's modules and adds a row per match.
void ScanWin9xModules(const SearchRun& run, DWORD processId, const std::wstring& programPath);
