#include "TextEncoding.h"

#include <cstdint>
#include <type_traits>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The character that starts at `index`, moving `index` past it. A wchar_t above U+FFFF
// (where wchar_t is 32 bits wide, as on Linux) is taken as the character it holds.
char32_t NextCodePoint(std::wstring_view text, std::size_t& index)
{
    const auto unit = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[index++]));
    if (IsHighSurrogate(unit) && index < text.size()) {
        const auto next = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[index]));
        if (IsLowSurrogate(next)) {
            ++index;
            return 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
        }
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit > 0x10FFFF) return kReplacementCharacter;
    return unit;
}

void AppendUtf8(std::string& bytes, char32_t c)
{
    auto byte = [&bytes](char32_t value) { bytes.push_back(static_cast<char>(static_cast<std::uint8_t>(value))); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Utf8FromUtf16(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t index = 0; index < text.size();) AppendUtf8(bytes, NextCodePoint(text, index));
    return bytes;
}

std::size_t CodePointCount(std::wstring_view text)
{
    std::size_t count = 0;
    for (std::size_t index = 0; index < text.size(); ++count) NextCodePoint(text, index);
    return count;
}
