#include <gtest/gtest.h>

#include <climits>

#include "search/modPackProcessInfo.h"

TEST(ProcessEntryKey, PacksTheIdInEightDigitsBeforeTheText)
{
    EXPECT_EQ(PackProcessInfo(1234, L"C:\\WINDOWS\\NOTEPAD.EXE"), L"&H000004D2|C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(PackProcessInfo(0, L""), L"&H00000000|");
    EXPECT_EQ(PackProcessInfo(-1, L"a|b"), L"&HFFFFFFFF|a|b");
    EXPECT_EQ(PackProcessInfo(0x00FEDCBA, L"p"), L"&H00FEDCBA|p");
}

TEST(ProcessEntryKey, RoundTripsEveryIdAndText)
{
    for (std::int32_t id : {0, 1, 16, 0x7FFFFFFF, INT_MIN, -2}) {
        for (const wchar_t* text : {L"", L"|", L"C:\\Tools\\Мой инструмент\\tool.exe", L"&H00000001|y"}) {
            const std::wstring key = PackProcessInfo(id, text);
            EXPECT_EQ(UnpackProcessID(key), id) << key;
            EXPECT_EQ(UnpackProcessText(key), text) << key;
        }
    }
}

TEST(ProcessEntryKey, UnpacksWhateverAKeyHolds)
{
    struct Case {
        const wchar_t* key;
        std::int32_t id;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"", 0, L""},
        {L"hello world key", 0, L" key"},  // no number: id 0, the text from the twelfth character on
        {L"&HXYZ00000|a", 0, L"a"},
        {L"&H", 0, L""},
        {L"&H0000 4D2|a", 0, L"a"},
        {L"|&H000004D2", 0, L""},
        {L"9999999999|x", 0, L"x"},  // does not fit in 32 bits
        {L"-", 0, L""},
        {L"&h000004d2|x", 1234, L"x"},  // either case
        {L"&HffffFFFE|x", -2, L"x"},
        {L"&H1F", 31, L""},
        {L"1234", 1234, L""},  // other numbers are decimal
        {L"-2147483648", -214748364, L""},  // only the first ten characters count
        {L" 42 ", 42, L""},
        {L"&H00000001", 1, L""},
        {L"0123456789ABCDEF", 123456789, L"BCDEF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnpackProcessID(c.key), c.id) << c.key;
        EXPECT_EQ(UnpackProcessText(c.key), c.text) << c.key;
    }
}
