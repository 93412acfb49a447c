#include "TextCase.h"

namespace {

// Letters whose capital is one code point below (pairs laid out capital, small).
bool IsSmallOfAdjacentPair(wchar_t c)
{
    if ((c >= 0x0100 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177) ||
        (c >= 0x0460 && c <= 0x0481) || (c >= 0x048A && c <= 0x04BF) ||
        (c >= 0x04D0 && c <= 0x052F)) {
        return (c % 2) == 1;
    }
    if ((c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E) ||
        (c >= 0x04C1 && c <= 0x04CE)) {
        return (c % 2) == 0;
    }
    return false;
}

wchar_t ToUpper(wchar_t c)
{
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 0x20);
    if (c < 0x80) return c;
    if ((c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) ||  // Latin-1
        (c >= 0x03B1 && c <= 0x03CB && c != 0x03C2) ||  // Greek
        (c >= 0x0430 && c <= 0x044F)) {                 // Cyrillic а..я
        return static_cast<wchar_t>(c - 0x20);
    }
    if (c == 0x00FF) return 0x0178;
    if (c == 0x0131) return L'I';                                             // dotless i
    if (c == 0x03C2) return 0x03A3;                                            // final sigma
    if (c >= 0x0450 && c <= 0x045F) return static_cast<wchar_t>(c - 0x50);     // ѐ..џ
    if (IsSmallOfAdjacentPair(c)) return static_cast<wchar_t>(c - 1);
    return c;
}

}  // namespace

std::wstring ToUpperCase(std::wstring_view text)
{
    std::wstring result(text);
    for (wchar_t& c : result) c = ToUpper(c);
    return result;
}
