#pragma once
#include <windows.h>
#include <tlhelp32.h>

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
