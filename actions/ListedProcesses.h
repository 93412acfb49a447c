#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "search/ResultsList.h"

// A process of the last search, as its first row names it.
struct ListedProcess {
    std::int32_t processId;
    std::wstring program;
    std::optional<std::uint64_t> startTime;
    std::optional<ServiceHost> host;  // the services it runs, where it runs any
    ProcessOwner owner;               // who ran it, where
};

// The listed processes, each once, in the order of their first rows: a process in which
// several modules matched stands on several rows with one process entry key, and an
// action acts on it once. Two processes of one program have two keys.
std::vector<ListedProcess> ListedProcesses(const ResultsList& rows);

// The listed processes without the program's own: neither the process `ownProcessId`
// nor another copy started from `ownProgram` (whatever its letter case) is terminated or
// started again.
std::vector<ListedProcess> ListedProcessesOtherThan(const ResultsList& rows, std::int32_t ownProcessId,
                                                    const std::wstring& ownProgram);

// The listed processes that terminate and relaunch act on: all but this program's own.
std::vector<ListedProcess> ListedProcessesToActOn(const ResultsList& rows);
