#include <gtest/gtest.h>

#include "platform/support/TextOperations.h"

TEST(TextOperations, FileNameAndFolderOfAPath)
{
    const std::pair<const wchar_t*, const wchar_t*> fileNames[] = {
        {L"C:\\WINDOWS\\NOTEPAD.EXE", L"NOTEPAD.EXE"}, {L"C:/tools/x.exe", L"x.exe"},
        {L"plain.exe", L"plain.exe"}, {L"C:\\folder\\", L""}, {L"", L""}};
    for (const auto& [path, name] : fileNames) EXPECT_EQ(qsGetFileName(path), name) << path;

    const std::pair<const wchar_t*, const wchar_t*> folders[] = {
        {L"C:\\Program Files\\Editor\\editor.exe", L"C:\\Program Files\\Editor"},
        {L"C:\\editor.exe", L"C:\\"},  // a drive's root keeps its separator
        {L"\\\\server\\share\\app.exe", L"\\\\server\\share"}, {L"C:\\a\\\\b.exe", L"C:\\a"}, {L"app.exe", L""}};
    for (const auto& [path, folder] : folders) EXPECT_EQ(qsGetFilePath(path), folder) << path;
}

TEST(TextOperations, NumbersAsTexts)
{
    EXPECT_EQ(qsHex4(0), L"00000000");
    EXPECT_EQ(qsHex4(1234), L"000004D2");
    EXPECT_EQ(qsHex4(-1), L"FFFFFFFF");
    EXPECT_EQ(qsHex4(0x0ABCDEF0), L"0ABCDEF0");
    EXPECT_EQ(qsHexEx4(1234), L" 0x000004D2 (1234)");
    EXPECT_EQ(qsHexEx4(-1), L" 0xFFFFFFFF (4294967295)");
    EXPECT_EQ(qsFormatVersion(5, 1, 2600), L"5.1.2600");
    EXPECT_EQ(qsFormatVersionLong(2600, 3, 1, 5), L"2600.3.1.5");
}

TEST(TextOperations, StringFromBufferStopsAtTheFirstNulOrTheCapacity)
{
    const wchar_t withNul[] = {L'a', L'b', L'\0', L'c', L'\0'};
    EXPECT_EQ(qsGetStringFromPointer(withNul, 5), L"ab");
    const wchar_t full[] = {L'x', L'y', L'z'};
    EXPECT_EQ(qsGetStringFromPointer(full, 3), L"xyz") << "no NUL: never past the buffer";
}
