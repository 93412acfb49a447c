#pragma once
// The module search: its driver and the two steps both process enumerators share.
#include <cstdint>
#include <string>
#include <string_view>

#include "ModuleVersionTexts.h"
#include "ResultsList.h"

// One search: where its rows go, the version texts read so far, and what it looks for.
struct SearchRequest {
    ResultsList& list;
    ModuleVersionTexts& versions;
    const std::wstring& spec;
    bool partial;
};

// Adds one row per module, in any running process, whose full path ends with `spec`
// (partial: contains it), ignoring letter case. The caller empties the list first.
void SearchModule(ResultsList& list, const std::wstring& spec, bool partial);

// Whether a module's full path satisfies the module specification: a suffix test (no
// folder separator needed in front of the tail) or, with `partial`, a substring test.
bool MatchModuleName(std::wstring_view path, std::wstring_view spec, bool partial, bool ignoreCase);

// Appends the row of one hit: the program's file name, the module's version text, the
// module's path and, as the Tag, the process entry key of the id and the program path.
void AddModuleHit(ResultsList& list, ModuleVersionTexts& versions, std::int32_t processId,
                  const std::wstring& exePath, const std::wstring& modulePath);
