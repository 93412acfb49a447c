#include <gtest/gtest.h>

#include "console/FileTimeText.h"
#include "console/TextEncoding.h"

TEST(ConsoleEncoding, Utf8OfEveryLengthASurrogatePairAsOneCharacterALoneSurrogateAsTheReplacementCharacter)
{
    const std::pair<std::wstring, std::string> texts[] = {
        {L"", ""},
        {std::wstring(L"A\0", 2), std::string("A\0", 2)},
        {L"\x7F\x80\x7FF\x800\xFFFF", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},  // each length's ends
        {L"Мой", "\xD0\x9C\xD0\xBE\xD0\xB9"},
        {L"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {L"\xDBFF\xDFFF", "\xF4\x8F\xBF\xBF"},  // U+10FFFF
        {L"\xD800x", "\xEF\xBF\xBDx"},
        {L"x\xDC00", "x\xEF\xBF\xBD"},
        {L"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},  // a high surrogate pairs with the next only
        {L"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},            // a pair in the wrong order is two lone ones
    };
    for (const auto& [text, bytes] : texts) EXPECT_EQ(Utf8FromUtf16(text), bytes) << bytes;
}

TEST(ConsoleEncoding, CharactersCountedAsShownASurrogatePairOnce)
{
    const std::pair<std::wstring, std::size_t> texts[] = {
        {L"", 0}, {L"Мой x", 5}, {L"a\xD83D\xDE00z", 3}, {L"\xD83D", 1}, {L"\xDE00\xD83D", 2},
        {L"\xD83D\xD83D\xDE00", 2},
    };
    for (const auto& [text, count] : texts) EXPECT_EQ(CodePointCount(text), count) << count;
}

TEST(ConsoleEncoding, AFileTimeAsAnIsoInstantInUtcToTheMillisecond)
{
    const std::pair<std::uint64_t, const wchar_t*> instants[] = {
        {0, L"1601-01-01T00:00:00.000Z"},
        {116444736000000000, L"1970-01-01T00:00:00.000Z"},
        {134412602281230000, L"2026-12-09T03:23:48.123Z"},
        {134412602281239999, L"2026-12-09T03:23:48.123Z"},  // cut, not rounded
        {133536383999999999, L"2024-02-28T23:59:59.999Z"},
        {133536384000000000, L"2024-02-29T00:00:00.000Z"},
        {125963876967890000, L"2000-03-01T12:34:56.789Z"},
        {0x7FFFFFFFFFFFFFFF, L"30828-09-14T02:48:05.477Z"},  // the last instant Windows converts to a date
    };
    for (const auto& [fileTime, text] : instants) EXPECT_EQ(IsoTimeFromFileTime(fileTime), text) << fileTime;
}
