// Matching must never fail or read outside its texts, and keeps its two tests' properties whatever they hold.
#include <cstdlib>

#include "FuzzText.h"
#include "search/modMain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::size_t split = data[0] % size;
    const std::wstring path = TextFromBytes(data + 1, split);
    const std::wstring spec = TextFromBytes(data + 1 + split, size - 1 - split);

    // A text ends with itself wherever it stands, and is contained wherever it stands.
    if (!MatchModuleName(path + spec, spec, false, false)) std::abort();
    if (!spec.empty() && !MatchModuleName(path + spec + path, spec, true, false)) std::abort();
    // A longer specification never matches; what ends with it contains it; ignoring case only adds matches.
    if (spec.size() > path.size() && MatchModuleName(path, spec, true, false)) std::abort();
    const bool endsWith = MatchModuleName(path, spec, false, false), contains = MatchModuleName(path, spec, true, false);
    if (endsWith && !path.empty() && !contains) std::abort();
    if ((endsWith && !MatchModuleName(path, spec, false, true)) || (contains && !MatchModuleName(path, spec, true, true))) {
        std::abort();
    }
    return 0;
}
