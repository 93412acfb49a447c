// Reading any argument text must never fail and gives exactly one outcome; switches built from the
// fuzz bytes read back as built, with the module specification after them trimmed as the window trims its own.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "FuzzText.h"
#include "console/ConsoleArguments.h"
#include "platform/text/TextOperations.h"

namespace {

void CheckOneOutcome(const ConsoleRequest& request)
{
    switch (request.outcome) {
    case ArgumentsOutcome::Search:
        if (request.specification.empty() || !request.error.empty()) std::abort();
        return;
    case ArgumentsOutcome::Help:
        if (!request.error.empty()) std::abort();
        return;
    case ArgumentsOutcome::UsageError:
        if (request.error.empty()) std::abort();
        return;
    }
    std::abort();
}

// The fuzz bytes taken from the front; zero once they run out.
class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return size_ > 0 ? (--size_, *data_++) : 0; }
    std::wstring TextOf(std::size_t bytes)
    {
        bytes = std::min(bytes, size_);
        std::wstring text = TextFromBytes(data_, bytes);
        data_ += bytes;
        size_ -= bytes;
        return text;
    }
    std::wstring Rest() { return TextOf(size_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

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

struct Built {
    std::wstring arguments;
    bool contains = false;
    bool replacedOnly = false;
    ReportFormat format = ReportFormat::Table;
    std::optional<std::wstring> outFile;
};

void AddSwitch(Built& built, ByteSource& bytes, std::wstring_view outFile)
{
    static constexpr std::wstring_view kSeparators[] = {L" ", L"\t", L"  ", L" \t "};
    static constexpr std::pair<std::wstring_view, ReportFormat> kFormats[] = {
        {L"table", ReportFormat::Table}, {L"csv", ReportFormat::Csv}, {L"json", ReportFormat::Json}};
    const std::uint8_t choice = bytes.Next();
    const std::uint8_t caseBits = bytes.Next();
    switch (choice % 4) {
    case 0:
        built.arguments += InMixedCase(L"/contains", caseBits);
        built.contains = true;
        break;
    case 1:
        built.arguments += InMixedCase(L"/replaced", caseBits);
        built.replacedOnly = true;
        break;
    case 2: {
        const auto& [name, format] = kFormats[(choice / 4) % 3];
        built.arguments += InMixedCase(L"/format:", caseBits) + InMixedCase(name, bytes.Next());
        built.format = format;
        break;
    }
    default: {
        const bool blank = outFile.find_first_of(L" \t") != std::wstring_view::npos;
        const std::wstring name = InMixedCase(L"/out:", caseBits);
        if ((choice / 4) % 3 == 0 && !blank) {
            built.arguments += name + std::wstring(outFile);
        } else if ((choice / 4) % 3 == 1) {
            built.arguments += name + L"\"" + std::wstring(outFile) + L"\"";
        } else {
            built.arguments += L"\"" + name + std::wstring(outFile) + L"\"";  // as PowerShell passes it
        }
        built.outFile = outFile;
        break;
    }
    }
    built.arguments += kSeparators[(choice / 16) % 4];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckOneOutcome(ParseConsoleArguments(TextFromBytes(data, size)));

    ByteSource bytes(data, size);
    const std::size_t switches = bytes.Next() % 8;
    const std::size_t outFileBytes = bytes.Next() % 64;
    Built built;
    std::wstring outFile = bytes.TextOf(outFileBytes);
    std::erase(outFile, L'"');
    if (outFile.empty()) outFile = L"f";
    // Each /out: names a file of its own, so that a repeated one shows which of them counts.
    for (std::size_t i = 0; i < switches; ++i) AddSwitch(built, bytes, outFile + std::to_wstring(i));

    std::wstring specification = bytes.Rest();
    const std::size_t first = specification.find_first_not_of(L" \t");
    if (first != std::wstring::npos && (specification[first] == L'/' || specification[first] == L'"')) {
        specification.insert(first, L"m");
    }
    built.arguments += specification;

    const ConsoleRequest request = ParseConsoleArguments(built.arguments);
    CheckOneOutcome(request);
    const std::wstring trimmed = TrimBlanksAndQuotes(specification);
    if (trimmed.empty()) {
        if (request.outcome != ArgumentsOutcome::UsageError || request.error != L"Не задано имя модуля.") std::abort();
        return 0;
    }
    if (request.outcome != ArgumentsOutcome::Search || request.specification != trimmed ||
        request.contains != built.contains || request.replacedOnly != built.replacedOnly ||
        request.format != built.format || request.outFile != built.outFile) {
        std::abort();
    }
    return 0;
}
