#pragma once
// The module search on the Windows NT family, through the process-status interface.
#include <windows.h>

#include <string>

#include "modMain.h"

// Walks every running process (the first 1024 that the system lists); reports a
// failed listing with a message box, and skips every process it cannot examine.
void EnumProcessesNT(const SearchRequest& search);

// Opens one process, finds its program's path and tests its modules.
void ScanProcessNT(const SearchRequest& search, DWORD processId);

// Tests every module of an open process (the first 2048) and adds a row per match.
void ScanModulesNT(const SearchRequest& search, HANDLE process, const std::wstring& exePath, DWORD processId);
