#include <gtest/gtest.h>

#include <map>

#include "search/MemoryResultsList.h"
#include "search/modMain.h"

TEST(VersionText, LeavesOutAZeroThirdNumber)
{
    EXPECT_EQ(VersionText(std::nullopt), L"---");
    EXPECT_EQ(VersionText(ModuleVersion{5, 1, 0, 2600}), L"5.1.2600");
    EXPECT_EQ(VersionText(ModuleVersion{5, 1, 3, 2600}), L"5.1.3.2600");
    EXPECT_EQ(VersionText(ModuleVersion{10, 0, 19041, 0}), L"10.0.19041.0");
}

// Rows of hits, with the version read through a counting stand-in for the files.
TEST(AddModuleHit, OneRowPerHitWithEachFilesVersionReadOnce)
{
    std::map<std::wstring, int> reads;
    ModuleVersionTexts versions([&](const std::wstring& path) -> std::optional<ModuleVersion> {
        ++reads[path];
        if (path == L"C:\\m\\one.dll") return ModuleVersion{5, 1, 0, 2600};
        return std::nullopt;
    });
    MemoryResultsList list;
    for (std::int32_t process : {1234, 77}) {
        AddModuleHit(list, versions, process, L"C:\\Program Files\\Editor\\editor.exe", L"C:\\m\\one.dll");
        AddModuleHit(list, versions, process, L"C:\\Program Files\\Editor\\editor.exe", L"C:\\m\\none.dll");
    }
    AddModuleHit(list, versions, 5, L"", L"C:\\m\\one.dll");

    const std::vector<std::vector<std::wstring>> expected = {
        {L"editor.exe", L"5.1.2600", L"C:\\m\\one.dll", L"&H000004D2|C:\\Program Files\\Editor\\editor.exe"},
        {L"editor.exe", L"---", L"C:\\m\\none.dll", L"&H000004D2|C:\\Program Files\\Editor\\editor.exe"},
        {L"editor.exe", L"5.1.2600", L"C:\\m\\one.dll", L"&H0000004D|C:\\Program Files\\Editor\\editor.exe"},
        {L"editor.exe", L"---", L"C:\\m\\none.dll", L"&H0000004D|C:\\Program Files\\Editor\\editor.exe"},
        {L"", L"5.1.2600", L"C:\\m\\one.dll", L"&H00000005|"},  // a program whose path is unknown
    };
    ASSERT_EQ(list.RowCount(), 5);
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ((std::vector<std::wstring>{list.Text(row), list.SubItem(row, 1), list.SubItem(row, 2), list.Tag(row)}),
                  expected[row - 1]);
    }
    EXPECT_EQ(reads, (std::map<std::wstring, int>{{L"C:\\m\\one.dll", 1}, {L"C:\\m\\none.dll", 1}}));
}
