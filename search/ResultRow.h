#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "ProcessOwner.h"
#include "RunningCopy.h"
#include "ServiceHost.h"

// One row of the results: one module that matched, in one process. The results list
// shows the first three fields; the rest stays with the row for the actions.
struct ResultRow {
    std::wstring program;        // the file name of the process's program
    std::wstring moduleVersion;  // the version column: the module's version text, "---" without one
    std::wstring modulePath;     // the module's full path
    std::wstring processKey;     // the process entry key: the process id and its program's full path
    // When the process started, where it could be read: with the id, what tells the
    // listed process from a later one that took its id.
    std::optional<std::uint64_t> processStart;
    // The copy of the module the process runs against the file now at its path.
    ModuleCopy copy = ModuleCopy::Unknown;
    std::optional<FileVersion> runningVersion, diskVersion;
    // The Windows services the process runs, where it runs any.
    std::optional<ServiceHost> host;
    ProcessOwner owner;  // who ran it, where

    bool operator==(const ResultRow&) const = default;
};

// Whether the process still runs an old copy of the module: its file was replaced or is gone.
inline bool RunsOldCopy(const ResultRow& row) { return row.copy == ModuleCopy::Replaced || row.copy == ModuleCopy::Gone; }
