#include <gtest/gtest.h>

#include <tuple>

#include "search/ProcessEntryKey.h"

TEST(ProcessEntryKey, PacksTheIdInEightHexadecimalDigitsBeforeTheText)
{
    EXPECT_EQ(MakeProcessEntryKey(1234, L"C:\\WINDOWS\\NOTEPAD.EXE"), L"&H000004D2|C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(MakeProcessEntryKey(-1, L"a|b"), L"&HFFFFFFFF|a|b");
    EXPECT_EQ(MakeProcessEntryKey(0x00FEDCBA, L"p"), L"&H00FEDCBA|p");
}

TEST(ProcessEntryKey, UnpacksWhateverAKeyHolds)
{
    const std::tuple<const wchar_t*, std::int32_t, const wchar_t*> cases[] = {
        {L"&H000004D2|C:\\a|b.exe", 1234, L"C:\\a|b.exe"},  // the text may hold "|"
        {L"&h000004d2|x", 1234, L"x"},  // either case
        {L"&H1F", 31, L""},
        {L"hello world key", 0, L" key"},  // no number: id 0, the text from the twelfth character on
        {L"&H0000 4D2|a", 0, L"a"},
        {L"9999999999|x", 0, L"x"},  // does not fit in 32 bits
        {L"1234", 1234, L""},  // other numbers are decimal
        {L"-2147483648", -214748364, L""},  // only the first ten characters count
    };
    for (const auto& [key, id, text] : cases) {
        EXPECT_EQ(ProcessIdOfKey(key), id) << key;
        EXPECT_EQ(ProgramPathOfKey(key), text) << key;
    }
}
