#pragma once
// Whether a module's full path satisfies the module specification the user typed.
#include <string_view>

enum class MatchMode {
    EndsWith,  // the path ends with the specification; no folder separator is needed before it
    Contains,  // the specification stands anywhere in the path (Ctrl held as the search starts)
};

bool ModulePathMatches(std::wstring_view path, std::wstring_view specification, MatchMode mode, bool ignoreCase);
