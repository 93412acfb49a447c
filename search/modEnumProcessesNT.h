#pragma once
// The module search on the Windows NT family, through the process-status interface.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "modMain.h"

// Walks every running process, however many run; reports a failed listing with a
// message box, and skips every process it cannot examine.
void EnumProcessesNT(const SearchRequest& search);

// Opens one process, lists its modules and tests them; its program is the first.
void ScanProcessNT(const SearchRequest& search, DWORD processId);

// A module loaded in a process, with its full path (empty when it cannot be read).
struct LoadedModule {
    HMODULE handle;
    std::wstring path;
};

// Tests every module of a process and adds a row per match.
void ScanModulesNT(const SearchRequest& search, const std::vector<LoadedModule>& modules,
                   const std::wstring& exePath, DWORD processId);

// The modules of an open process in load order, each handle once, however many it has,
// with their whole paths; nullopt when the modules cannot be listed.
std::optional<std::vector<LoadedModule>> ListModulesNT(HANDLE process, DWORD processId);
