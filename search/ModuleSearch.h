#pragma once
// The module search: its driver and what both process walks share.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ModuleMatch.h"
#include "ModuleFiles.h"
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

// The row of one hit: the program's file name, the module's version column and path, the
// process entry key of the id and the program's path, and what is known of the copy.
ResultRow HitRow(std::int32_t processId, const std::wstring& programPath, const MatchedModule& module,
                 std::optional<std::uint64_t> processStart = std::nullopt,
                 const std::optional<ServiceHost>& host = std::nullopt, const ProcessOwner& owner = {});

// The system's folder and its 32-bit counterpart (System32 and SysWOW64), where a WOW64
// process's system modules are listed and where they are.
struct SystemFolders {
    std::wstring system;
    std::wstring wow64;
};

// One run of the search: what it looks for, where its rows go, the module files read so
// far, how many threads read for it.
struct SearchRun {
    ResultsList& rows;
    ModuleFiles& files;
    ModuleSpecification specification;
    unsigned workers = 1;
    SystemFolders folders;

    // A module that matched, its copy compared with the file at its path: `running` are the
    // headers of the image the process runs; `runningVersion` reads its version resource,
    // asked only where the file is not that image. From any thread.
    MatchedModule Compare(std::wstring path, const std::optional<ImageStamp>& running,
                          const std::function<std::optional<FileVersion>()>& runningVersion) const;
    // Appends the row of one module of a process when the module matches, where nothing is
    // known of the copy it runs.
    void TestModule(std::uint32_t processId, const std::wstring& programPath, const std::wstring& modulePath) const;
    // Appends the rows of every process's matched modules, in order.
    void AddRows(const std::vector<const ProcessModules*>& processes) const;
};
