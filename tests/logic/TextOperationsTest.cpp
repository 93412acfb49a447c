#include <gtest/gtest.h>

#include "platform/text/TextOperations.h"

TEST(TextOperations, FileNameAndFolderOfAPath)
{
    const std::pair<const wchar_t*, const wchar_t*> fileNames[] = {
        {L"C:\\WINDOWS\\NOTEPAD.EXE", L"NOTEPAD.EXE"}, {L"C:/tools/x.exe", L"x.exe"},
        {L"plain.exe", L"plain.exe"}, {L"C:\\folder\\", L""}, {L"", L""}};
    for (const auto& [path, name] : fileNames) EXPECT_EQ(FileNameOf(path), name) << path;

    const std::pair<const wchar_t*, const wchar_t*> folders[] = {
        {L"C:\\Program Files\\Editor\\editor.exe", L"C:\\Program Files\\Editor"},
        {L"C:\\editor.exe", L"C:\\"},  // a drive's root keeps its separator
        {L"\\\\server\\share\\app.exe", L"\\\\server\\share"}, {L"C:\\a\\\\b.exe", L"C:\\a"}, {L"app.exe", L""}};
    for (const auto& [path, folder] : folders) EXPECT_EQ(FolderOf(path), folder) << path;
}

TEST(TextOperations, AStringFromABufferEndsAtItsFirstNulOrItsCapacity)
{
    const wchar_t withNul[] = {L'a', L'b', L'\0', L'c'}, full[] = {L'x', L'y', L'z'};
    EXPECT_EQ(StringFromBuffer(withNul, 4), L"ab");
    EXPECT_EQ(StringFromBuffer(full, 3), L"xyz") << "no NUL: never past the buffer";
}

TEST(TextOperations, APathOfMaxPathOrMoreInTheFormWindowsTakesAtAnyLength)
{
    const std::wstring tail(257, L'x');
    const std::pair<std::wstring, std::wstring> paths[] = {
        {L"C:\\" + tail.substr(1), L"C:\\" + tail.substr(1)},  // 259 characters
        {L"C:\\" + tail, L"\\\\?\\C:\\" + tail},
        {L"\\\\server\\share\\" + tail, L"\\\\?\\UNC\\server\\share\\" + tail},
        {L"\\\\?\\C:\\" + tail, L"\\\\?\\C:\\" + tail},
        {L"C:/dir/" + tail, L"\\\\?\\C:\\dir\\" + tail},  // the extended form takes no slashes
        {L"relative\\" + tail, L"relative\\" + tail},
    };
    for (const auto& [path, form] : paths) EXPECT_EQ(ExtendedLengthPath(path), form) << path.size();
    EXPECT_EQ(PathInFolder(L"C:\\", L"a.tmp"), L"C:\\a.tmp");
    EXPECT_EQ(PathInFolder(L"C:\\dir", L"a.tmp"), L"C:\\dir\\a.tmp");
}
