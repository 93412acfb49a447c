#pragma once
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <unordered_map>

#include "platform/Seam.h"
#include "platform/UniqueResource.h"

// The tool-help snapshot calls: a seam, so that tests can make a snapshot fail.
class ToolHelp {
public:
    virtual ~ToolHelp() = default;
    // An invalid handle on failure, with the reason in the last error.
    virtual UniqueSnapshotHandle CreateSnapshot(DWORD kind, DWORD processId) = 0;
    virtual bool FirstProcess(HANDLE snapshot, PROCESSENTRY32W& record) = 0;
    virtual bool NextProcess(HANDLE snapshot, PROCESSENTRY32W& record) = 0;
    virtual bool FirstModule(HANDLE snapshot, MODULEENTRY32W& record) = 0;
    virtual bool NextModule(HANDLE snapshot, MODULEENTRY32W& record) = 0;
};
template <>
ToolHelp& Seam<ToolHelp>::Default();

// The full path of each module in one module snapshot of the process (its 32-bit
// modules too), by module handle; empty when the snapshot fails. A record holds at
// most MAX_PATH - 1 characters, so a path of that length may have been cut and is
// left out.
std::unordered_map<HMODULE, std::wstring> SnapshotModulePaths(DWORD processId);
