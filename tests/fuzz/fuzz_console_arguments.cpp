// Reading any argument text must never fail and gives exactly one outcome; switches built from the
// fuzz bytes read back as built, with the module specification after them trimmed as the window trims its own.
#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <tuple>

#include "FuzzText.h"
#include "console/ConsoleArguments.h"
#include "platform/text/TextOperations.h"

namespace {

// One of the outcomes, with what it holds: a search its specification, a usage error alone its message.
bool OneOutcome(const ConsoleRequest& r)
{
    using enum ArgumentsOutcome;
    return r.outcome == Search ? !r.specification.empty() && r.error.empty()
           : r.outcome == Help ? r.error.empty()
                               : r.outcome == UsageError && !r.error.empty();
}

// The ASCII letters of the text upper-cased where the bits say, one bit a letter in turn.
std::wstring InMixedCase(std::wstring_view text, std::uint8_t bits)
{
    std::wstring mixed(text);
    int bit = 0;
    for (wchar_t& c : mixed) {
        if (c >= L'a' && c <= L'z' && ((bits >> (bit++ % 8)) & 1)) c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return mixed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!OneOutcome(ParseConsoleArguments(TextFromBytes(data, size)))) std::abort();

    // The bytes from the front, zero once they run out: how many switches, a file name, then each switch.
    std::size_t at = 0;
    const auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    const std::size_t switches = next() % 8;
    const std::size_t fileBytes = std::min<std::size_t>(next() % 64, size - at);
    std::wstring file = TextFromBytes(data + at, fileBytes);
    at += fileBytes;
    std::erase(file, L'"');  // no file name holds one
    if (file.empty()) file = L"f";

    static constexpr std::wstring_view kSeparators[] = {L" ", L"\t", L"  ", L" \t "};
    static constexpr std::pair<std::wstring_view, ReportFormat> kFormats[] = {
        {L"table", ReportFormat::Table}, {L"csv", ReportFormat::Csv}, {L"json", ReportFormat::Json}};
    std::wstring arguments;
    ConsoleRequest built;  // what the switches ask for
    for (std::size_t i = 0; i < switches; ++i) {
        const std::uint8_t choice = next(), caseBits = next();
        const std::size_t form = (choice / 4) % 3;
        if (choice % 4 == 0) {
            arguments += InMixedCase(L"/contains", caseBits);
            built.contains = true;
        } else if (choice % 4 == 1) {
            arguments += InMixedCase(L"/replaced", caseBits);
            built.replacedOnly = true;
        } else if (choice % 4 == 2) {
            arguments += InMixedCase(L"/format:", caseBits) + InMixedCase(kFormats[form].first, next());
            built.format = kFormats[form].second;
        } else {
            // Each /out: names a file of its own, so that a repeated one shows which of them counts.
            const std::wstring name = InMixedCase(L"/out:", caseBits), path = file + std::to_wstring(i);
            const bool bare = form == 0 && path.find_first_of(L" \t") == std::wstring::npos;
            // the value quoted, or the whole switch as PowerShell passes it
            arguments += bare ? name + path : form == 1 ? name + L"\"" + path + L"\"" : L"\"" + name + path + L"\"";
            built.outFile = path;
        }
        arguments += kSeparators[(choice / 16) % 4];
    }

    // The rest is the module specification, a letter before it where it would start like a switch.
    std::wstring specification = TextFromBytes(data + at, size - at);
    const std::size_t first = specification.find_first_not_of(L" \t");
    if (first != std::wstring::npos && (specification[first] == L'/' || specification[first] == L'"')) {
        specification.insert(first, L"m");
    }
    const ConsoleRequest request = ParseConsoleArguments(arguments + specification);
    built.specification = TrimBlanksAndQuotes(specification);
    const auto read = [](const ConsoleRequest& r) {
        return std::tie(r.outcome, r.specification, r.contains, r.replacedOnly, r.format, r.outFile);
    };
    if (!OneOutcome(request) ||
        (built.specification.empty()
             ? request.outcome != ArgumentsOutcome::UsageError || request.error != L"Не задано имя модуля."
             : read(request) != read(built))) {
        std::abort();
    }
    return 0;
}
