#include "ModuleMatch.h"

#include "platform/text/TextCase.h"

namespace {

bool MatchesExactCase(std::wstring_view path, std::wstring_view specification, MatchMode mode)
{
    // An empty path contains nothing, not even the empty specification.
    if (mode == MatchMode::Contains) return !path.empty() && path.find(specification) != std::wstring_view::npos;
    return path.size() >= specification.size() && path.substr(path.size() - specification.size()) == specification;
}

}  // namespace

bool ModulePathMatches(std::wstring_view path, std::wstring_view specification, MatchMode mode, bool ignoreCase)
{
    if (!ignoreCase) return MatchesExactCase(path, specification, mode);
    return MatchesExactCase(ToUpperCase(path), ToUpperCase(specification), mode);
}
