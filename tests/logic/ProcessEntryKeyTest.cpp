#include <gtest/gtest.h>

#include <climits>

#include "search/modPackProcessInfo.h"

TEST(ProcessEntryKey, WorkedExamplesPackByteForByte)
{
    const std::wstring notepad = PackProcessInfo(1234, L"C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(notepad, L"&H000004D2|C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(notepad.find(L"C:"), 11u);
    EXPECT_EQ(UnpackProcessID(notepad), 1234);
    EXPECT_EQ(UnpackProcessText(notepad), L"C:\\WINDOWS\\NOTEPAD.EXE");

    const std::wstring empty = PackProcessInfo(0, L"");
    EXPECT_EQ(empty, L"&H00000000|");
    EXPECT_EQ(UnpackProcessID(empty), 0);
    EXPECT_EQ(UnpackProcessText(empty), L"");

    const std::wstring negative = PackProcessInfo(-1, L"a|b");
    EXPECT_EQ(negative, L"&HFFFFFFFF|a|b");
    EXPECT_EQ(UnpackProcessID(negative), -1);
    EXPECT_EQ(UnpackProcessText(negative), L"a|b");
}

TEST(ProcessEntryKey, RoundTripsEveryIdAndText)
{
    const std::int32_t ids[] = {0, 1, 15, 16, 4660, 0x7FFFFFFF, INT_MIN, -2, 0x00ABCDEF};
    const std::wstring texts[] = {L"", L"|", L"x", L"C:\\Tools\\Мой инструмент\\tool.exe", L"||a||", L"&H00000001|y"};
    for (std::int32_t id : ids) {
        for (const std::wstring& text : texts) {
            const std::wstring key = PackProcessInfo(id, text);
            EXPECT_EQ(key.size(), 11 + text.size());
            EXPECT_EQ(key.substr(0, 2), L"&H");
            EXPECT_EQ(key[10], L'|');
            EXPECT_EQ(UnpackProcessID(key), id) << key;
            EXPECT_EQ(UnpackProcessText(key), text) << key;
        }
    }
}

TEST(ProcessEntryKey, SmallIdsGetLeadingZerosAndUpperCaseDigits)
{
    EXPECT_EQ(PackProcessInfo(10, L"p"), L"&H0000000A|p");
    EXPECT_EQ(PackProcessInfo(0x00FEDCBA, L""), L"&H00FEDCBA|");
}

TEST(ProcessEntryKey, BadKeysUnpackToIdZero)
{
    EXPECT_EQ(UnpackProcessID(L""), 0);
    EXPECT_EQ(UnpackProcessID(L"hello world key"), 0);
    EXPECT_EQ(UnpackProcessText(L"hello world key"), L" key");
    EXPECT_EQ(UnpackProcessID(L"&HXYZ00000|a"), 0);
    EXPECT_EQ(UnpackProcessID(L"&H"), 0);
    EXPECT_EQ(UnpackProcessID(L"&"), 0);
    EXPECT_EQ(UnpackProcessID(L"&H0000 4D2|a"), 0);
    EXPECT_EQ(UnpackProcessID(L"|&H000004D2"), 0);
    EXPECT_EQ(UnpackProcessID(L"9999999999|x"), 0) << "does not fit in 32 bits";
    EXPECT_EQ(UnpackProcessID(L"-"), 0);
}

TEST(ProcessEntryKey, UnpackerAcceptsEitherCaseAndOtherNumbers)
{
    EXPECT_EQ(UnpackProcessID(L"&h000004d2|x"), 1234);
    EXPECT_EQ(UnpackProcessID(L"&HffffFFFE|x"), -2);
    EXPECT_EQ(UnpackProcessID(L"&H1F"), 31);
    EXPECT_EQ(UnpackProcessID(L"1234"), 1234);
    EXPECT_EQ(UnpackProcessID(L"-2147483648"), -214748364) << "only the first ten characters count";
    EXPECT_EQ(UnpackProcessID(L" 42 "), 42);
    EXPECT_EQ(UnpackProcessID(L" 42 |whatever"), 0);
}

TEST(ProcessEntryKey, TextStartsAtTheTwelfthCharacterWhateverTheIdField)
{
    EXPECT_EQ(UnpackProcessText(L"&H00000001|"), L"");
    EXPECT_EQ(UnpackProcessText(L"&H00000001"), L"");
    EXPECT_EQ(UnpackProcessText(L"&H00000001|C"), L"C");
    EXPECT_EQ(UnpackProcessText(L"0123456789ABCDEF"), L"BCDEF");
}
