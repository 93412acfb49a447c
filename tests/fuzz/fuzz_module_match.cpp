// Matching must never fail or read outside its texts, and keeps its two tests' properties whatever they hold.
#include <cstdlib>

#include "FuzzText.h"
#include "search/ModuleMatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::size_t split = data[0] % size;
    const std::wstring path = TextFromBytes(data + 1, split);
    const std::wstring spec = TextFromBytes(data + 1 + split, size - 1 - split);

    // A text ends with itself wherever it stands, and is contained wherever it stands.
    if (!ModulePathMatches(path + spec, spec, MatchMode::EndsWith, false)) std::abort();
    if (!spec.empty() && !ModulePathMatches(path + spec + path, spec, MatchMode::Contains, false)) std::abort();
    // A longer specification never matches; what ends with it contains it; ignoring case only adds matches.
    if (spec.size() > path.size() && ModulePathMatches(path, spec, MatchMode::Contains, false)) std::abort();
    const bool endsWith = ModulePathMatches(path, spec, MatchMode::EndsWith, false);
    const bool contains = ModulePathMatches(path, spec, MatchMode::Contains, false);
    if (endsWith && !path.empty() && !contains) std::abort();
    if ((endsWith && !ModulePathMatches(path, spec, MatchMode::EndsWith, true)) ||
        (contains && !ModulePathMatches(path, spec, MatchMode::Contains, true))) {
        std::abort();
    }
    return 0;
}
