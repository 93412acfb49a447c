#pragma once
#include <windows.h>
#include <tlhelp32.h>

#include <optional>
#include <string>
#include <vector>

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

// A process as one snapshot of all processes lists it.
struct SnapshotProcess {
    DWORD processId = 0;
    DWORD parentId = 0;
    std::wstring exeFile;  // its program: the file name, or on the 9x family the path
};

// Every process of one snapshot of all processes; nullopt when the snapshot fails, with the
// reason in the last error.
std::optional<std::vector<SnapshotProcess>> ProcessesInSnapshot();
