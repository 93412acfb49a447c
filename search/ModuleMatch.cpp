#include "ModuleMatch.h"

#include "platform/text/TextCase.h"

ModuleSpecification::ModuleSpecification(std::wstring_view text, MatchMode mode, bool ignoreCase)
    : text_(ignoreCase ? ToUpperCase(text) : std::wstring(text)), mode_(mode), ignoreCase_(ignoreCase)
{
}

bool ModuleSpecification::Matches(std::wstring_view path) const
{
    if (mode_ == MatchMode::Contains) {
        // An empty path contains nothing, not even the empty specification.
        if (path.empty()) return false;
        return (ignoreCase_ ? ToUpperCase(path) : std::wstring(path)).find(text_) != std::wstring::npos;
    }
    if (path.size() < text_.size()) return false;
    // Upper-casing maps character for character: the tail's upper case is the upper case's tail.
    const std::wstring_view tail = path.substr(path.size() - text_.size());
    return ignoreCase_ ? ToUpperCase(tail) == text_ : tail == text_;
}

bool ModulePathMatches(std::wstring_view path, std::wstring_view specification, MatchMode mode, bool ignoreCase)
{
    return ModuleSpecification(specification, mode, ignoreCase).Matches(path);
}
