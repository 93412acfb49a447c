#pragma once
// The module search: its driver and what both process walks share.
#include <cstdint>
#include <string>
#include <vector>

#include "ModuleMatch.h"
#include "ModuleVersionTexts.h"
#include "ProcessModules.h"
#include "ResultsList.h"
#include "SearchOutcome.h"

// Adds one row per module, in any running process, whose full path matches the
// specification, ignoring letter case, and says which processes it could not examine, or
// that it could not list them: it shows no message of its own. The processes are read on `workers` threads (0: as many as suit the machine); the rows
// are added on the calling thread, in the process list's order, then each process's
// module order, whatever the number of workers. The caller empties the list first.
SearchOutcome SearchModule(ResultsList& rows, const std::wstring& specification, MatchMode mode,
                           unsigned workers = 0);

// The row of one hit: the program's file name, the module's version text and path, and
// the process entry key of the id and the program's path.
ResultRow HitRow(std::int32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                 const std::wstring& versionText, std::optional<std::uint64_t> processStart = std::nullopt);

// The modules of one process that matched, by their place in its module list.
struct ProcessHits {
    const ProcessModules* process;
    std::vector<std::size_t> matching;
};

// One run of the search: what it looks for, where its rows go, the version texts read so
// far, how many threads read for it.
struct SearchRun {
    ResultsList& rows;
    ModuleVersionTexts& versions;
    ModuleSpecification specification;
    unsigned workers = 1;

    // Appends the row of one module of a process when the module matches.
    void TestModule(std::uint32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                    std::optional<std::uint64_t> processStart = std::nullopt) const;
    // Which of the process's modules match; from any thread.
    std::vector<std::size_t> MatchingModules(const ProcessModules& process) const;
    // Appends the rows of every hit, in order, once the versions of their distinct paths
    // have been read, in parallel.
    void AddRows(const std::vector<ProcessHits>& hits) const;
};
