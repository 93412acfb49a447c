#pragma once
// The module search on the Windows 9x family, through tool-help snapshots.
#include <windows.h>

#include <string>

#include "modMain.h"

// Walks a snapshot of all processes; reports a failed snapshot, and skips every
// process whose modules cannot be listed.
void EnumProcesses9x(const SearchRequest& search);

// Walks a snapshot of one process's modules and adds a row per match.
void ScanModules9x(const SearchRequest& search, DWORD processId, const std::wstring& exePath);
