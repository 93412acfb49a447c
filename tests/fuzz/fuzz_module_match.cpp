// Matching must never fail or read outside its texts, and must agree with the
// definitions of its two tests.
#include <cstdlib>

#include "FuzzText.h"
#include "search/modMain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::size_t split = data[0] % (size);
    const std::wstring path = TextFromBytes(data + 1, split);
    const std::wstring spec = TextFromBytes(data + 1 + split, size - 1 - split);

    const bool endsWith = MatchModuleName(path, spec, false, false);
    const bool contains = MatchModuleName(path, spec, true, false);
    const bool expectedEnds = path.size() >= spec.size() && path.compare(path.size() - spec.size(), spec.size(), spec) == 0;
    const bool expectedContains = !path.empty() && path.find(spec) != std::wstring::npos;
    if (endsWith != expectedEnds || contains != expectedContains) std::abort();

    // Ignoring case can only add matches, and a text always matches itself.
    if (endsWith && !MatchModuleName(path, spec, false, true)) std::abort();
    if (contains && !MatchModuleName(path, spec, true, true)) std::abort();
    if (!MatchModuleName(path, path, false, true)) std::abort();
    return 0;
}
