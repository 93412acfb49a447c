#pragma once
// The module search: its driver and what both process walks share.
#include <cstdint>
#include <string>

#include "ModuleMatch.h"
#include "ModuleVersionTexts.h"
#include "ProcessModules.h"
#include "ResultsList.h"
#include "SearchOutcome.h"

// Adds one row per module, in any running process, whose full path matches the
// specification, ignoring letter case, and says which processes it could not examine.
// The caller empties the list first.
SearchOutcome SearchModule(ResultsList& rows, const std::wstring& specification, MatchMode mode);

// The row of one hit: the program's file name, the module's version text and path, and
// the process entry key of the id and the program's path.
ResultRow HitRow(std::int32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                 const std::wstring& versionText, std::optional<std::uint64_t> processStart = std::nullopt);

// One run of the search: what it looks for, where its rows go, the version texts read so far.
struct SearchRun {
    ResultsList& rows;
    ModuleVersionTexts& versions;
    ModuleSpecification specification;

    // Appends the row of one module of a process when the module matches.
    void TestModule(std::uint32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                    std::optional<std::uint64_t> processStart = std::nullopt) const;
    // Tests every module of a process that was read, in its order.
    void TestProcess(const ProcessModules& process) const;
};
