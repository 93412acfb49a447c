#include "ProcessEntryKey.h"

#include <limits>
#include <optional>

#include "platform/text/TextOperations.h"

namespace {

constexpr std::size_t kIdFieldLength = 10;  // "&H" and eight digits
constexpr std::size_t kTextStart = 11;      // after the "|" separator

std::optional<unsigned> HexDigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return static_cast<unsigned>(c - L'0');
    if (c >= L'A' && c <= L'F') return static_cast<unsigned>(c - L'A' + 10);
    if (c >= L'a' && c <= L'f') return static_cast<unsigned>(c - L'a' + 10);
    return std::nullopt;
}

// "&H" and one to eight hexadecimal digits: the 32-bit pattern they spell.
std::optional<std::int32_t> ParseHexLiteral(std::wstring_view text)
{
    if (text.size() < 3 || text.size() > 10 || text[0] != L'&' || (text[1] != L'H' && text[1] != L'h')) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (wchar_t c : text.substr(2)) {
        const auto digit = HexDigitValue(c);
        if (!digit) return std::nullopt;
        bits = (bits << 4) | *digit;
    }
    return static_cast<std::int32_t>(bits);
}

// Optional blanks, an optional sign, decimal digits, optional blanks.
std::optional<std::int32_t> ParseDecimal(std::wstring_view text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(L' ') - first + 1);

    const bool negative = text.front() == L'-';
    if (text.front() == L'-' || text.front() == L'+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;

    std::int64_t magnitude = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - L'0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::wstring MakeProcessEntryKey(std::int32_t processId, std::wstring_view text)
{
    std::wstring key = L"&H" + EightHexDigits(processId) + L"|";
    key += text;
    return key;
}

std::int32_t ProcessIdOfKey(std::wstring_view key)
{
    const std::wstring_view idField = key.substr(0, kIdFieldLength);
    if (!idField.empty() && idField.front() == L'&') return ParseHexLiteral(idField).value_or(0);
    return ParseDecimal(idField).value_or(0);
}

std::wstring ProgramPathOfKey(std::wstring_view key)
{
    return key.size() <= kTextStart ? std::wstring() : std::wstring(key.substr(kTextStart));
}
