#pragma once
// Whether a module's full path satisfies the module specification the user typed.
#include <string>
#include <string_view>

enum class MatchMode {
    EndsWith,  // the path ends with the module specification; no folder separator is needed before it
    Contains,  // the module specification stands anywhere in the path (Ctrl held as the search starts)
};

bool ModulePathMatches(std::wstring_view path, std::wstring_view specification, MatchMode mode, bool ignoreCase);

// A specification prepared once for the many paths of a search: upper-cased once, and for
// the ends-with test only a path's tail is upper-cased.
class ModuleSpecification {
public:
    ModuleSpecification(std::wstring_view text, MatchMode mode, bool ignoreCase);
    bool Matches(std::wstring_view path) const;

private:
    std::wstring text_;
    MatchMode mode_;
    bool ignoreCase_;
};
