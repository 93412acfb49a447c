#include "CommandLine.h"

#include "platform/text/TextCase.h"
#include "platform/text/TextOperations.h"

namespace {

constexpr std::wstring_view kContains = L"/contains";
constexpr std::wstring_view kElevated = L"/elevated";

// Takes the switch off the front of the text, with the blank after it.
bool TakeSwitch(std::wstring_view& text, std::wstring_view name)
{
    if (text.size() < name.size() || !EqualIgnoringCase(text.substr(0, name.size()), name)) return false;
    if (text.size() > name.size() && text[name.size()] != L' ' && text[name.size()] != L'\t') return false;
    text.remove_prefix(std::min(text.size(), name.size() + 1));
    return true;
}

}  // namespace

std::wstring CommandLineArguments(std::wstring_view commandLine)
{
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        end = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        end = commandLine.find_first_of(L" \t");
        if (end == std::wstring_view::npos) end = commandLine.size();
    }
    const std::size_t start = commandLine.find_first_not_of(L" \t", end);
    return start == std::wstring_view::npos ? std::wstring() : std::wstring(commandLine.substr(start));
}

StartRequest ParseCommandLine(std::wstring_view arguments)
{
    StartRequest request;
    for (bool taken = true; taken;) {
        taken = false;
        if (TakeSwitch(arguments, kContains)) taken = request.contains = true;
        if (TakeSwitch(arguments, kElevated)) taken = request.fromOffer = true;
    }
    request.specification = request.fromOffer ? std::wstring(arguments) : TrimBlanksAndQuotes(arguments);
    return request;
}

std::wstring OfferArguments(std::wstring_view specification, bool contains)
{
    std::wstring arguments = std::wstring(kElevated) + L" ";
    if (contains) arguments.append(kContains).append(L" ");
    return arguments.append(specification);
}
