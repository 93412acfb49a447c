#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ProcessOwner.h"
#include "RunningCopy.h"
#include "ServiceHost.h"

// A module of a process that matched the module specification, and the copy of it the process runs.
struct MatchedModule {
    std::wstring path;
    ModuleCopy copy = ModuleCopy::Unknown;
    std::wstring versionText;                  // the version column
    std::optional<FileVersion> runningVersion;  // of the copy the process runs, where known
    std::optional<FileVersion> diskVersion;     // of the file now at the path (the one compared with)
};

// What reading one running process kept: its program, when it started, and the modules
// that matched, in load order. Nothing else of it outlives its reading.
struct ProcessModules {
    std::uint32_t processId = 0;
    std::wstring programPath;
    std::optional<std::uint64_t> startTime;
    std::vector<MatchedModule> matched;
    std::optional<ServiceHost> host;  // the services it runs, where it runs any
    ProcessOwner owner;
};
