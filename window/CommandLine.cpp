#include "CommandLine.h"

#include <utility>

#include "platform/text/TextCase.h"
#include "platform/text/TextOperations.h"

namespace {

constexpr std::wstring_view kContains = L"/contains";
// The copy the offer starts: its switch names the mode; one blank, then the module specification.
constexpr std::pair<std::wstring_view, bool> kOfferSwitches[] = {{L"/elevated", false}, {L"/elevated:contains", true}};

// Whether the text starts with the switch, alone or followed by the blank or tab that ends it.
bool StartsWithSwitch(std::wstring_view text, std::wstring_view name)
{
    if (text.size() < name.size() || !EqualIgnoringCase(text.substr(0, name.size()), name)) return false;
    return text.size() == name.size() || text[name.size()] == L' ' || text[name.size()] == L'\t';
}

}  // namespace

StartRequest ParseCommandLine(std::wstring_view arguments)
{
    StartRequest request;
    for (const auto& [name, contains] : kOfferSwitches) {
        if (!StartsWithSwitch(arguments, name)) continue;
        // Nothing after the blank is read as a switch, trimmed or unquoted.
        request.specification = arguments.substr(std::min(arguments.size(), name.size() + 1));
        request.contains = contains;
        request.fromOffer = true;
        return request;
    }
    while (StartsWithSwitch(arguments, kContains)) {
        request.contains = true;
        arguments.remove_prefix(std::min(arguments.size(), kContains.size() + 1));
    }
    request.specification = TrimBlanksAndQuotes(arguments);
    return request;
}

std::wstring OfferArguments(std::wstring_view specification, bool contains)
{
    return std::wstring(kOfferSwitches[contains ? 1 : 0].first) + L" " + std::wstring(specification);
}
