#include <gtest/gtest.h>

#include "platform/support/TextOperations.h"

TEST(TextOperations, FileNameIsWhatFollowsTheLastSeparator)
{
    EXPECT_EQ(qsGetFileName(L"C:\\WINDOWS\\NOTEPAD.EXE"), L"NOTEPAD.EXE");
    EXPECT_EQ(qsGetFileName(L"C:/tools/x.exe"), L"x.exe");
    EXPECT_EQ(qsGetFileName(L"plain.exe"), L"plain.exe");
    EXPECT_EQ(qsGetFileName(L"C:\\folder\\"), L"");
    EXPECT_EQ(qsGetFileName(L""), L"");
}

TEST(TextOperations, FilePathIsTheFolderPart)
{
    EXPECT_EQ(qsGetFilePath(L"C:\\Program Files\\Editor\\editor.exe"), L"C:\\Program Files\\Editor");
    EXPECT_EQ(qsGetFilePath(L"C:\\editor.exe"), L"C:\\") << "a drive's root keeps its separator";
    EXPECT_EQ(qsGetFilePath(L"\\\\server\\share\\app.exe"), L"\\\\server\\share");
    EXPECT_EQ(qsGetFilePath(L"C:\\a\\\\b.exe"), L"C:\\a");
    EXPECT_EQ(qsGetFilePath(L"app.exe"), L"");
}

TEST(TextOperations, Hex4GivesEightUpperCaseDigitsOfThePattern)
{
    EXPECT_EQ(qsHex4(0), L"00000000");
    EXPECT_EQ(qsHex4(1234), L"000004D2");
    EXPECT_EQ(qsHex4(-1), L"FFFFFFFF");
    EXPECT_EQ(qsHex4(static_cast<std::int32_t>(0x80000000u)), L"80000000");
    EXPECT_EQ(qsHex4(0x0ABCDEF0), L"0ABCDEF0");
}

TEST(TextOperations, VersionTextsAreDecimalInTheOrderGiven)
{
    EXPECT_EQ(qsFormatVersion(5, 1, 2600), L"5.1.2600");
    EXPECT_EQ(qsFormatVersionLong(5, 1, 3, 2600), L"5.1.3.2600");
    EXPECT_EQ(qsFormatVersionLong(2600, 3, 1, 5), L"2600.3.1.5");
}

TEST(TextOperations, StringFromBufferStopsAtTheFirstNulOrTheCapacity)
{
    const wchar_t withNul[] = {L'a', L'b', L'\0', L'c', L'\0'};
    EXPECT_EQ(qsGetStringFromPointer(withNul, 5), L"ab");
    const wchar_t full[] = {L'x', L'y', L'z'};
    EXPECT_EQ(qsGetStringFromPointer(full, 3), L"xyz") << "no NUL: never past the buffer";
    EXPECT_EQ(qsGetStringFromPointer(withNul, 0), L"");
}
