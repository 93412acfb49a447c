#include <gtest/gtest.h>

#include <map>

#include "search/MemoryResultsList.h"
#include "search/modMain.h"
#include "search/modPackProcessInfo.h"

namespace {

// Version resources of made-up files; counts how often each file is read.
class FakeVersions {
public:
    std::optional<ModuleVersion> Read(const std::wstring& path)
    {
        ++reads[path];
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    ModuleVersionTexts::Reader Reader()
    {
        return [this](const std::wstring& path) { return Read(path); };
    }

    std::map<std::wstring, ModuleVersion> files;
    std::map<std::wstring, int> reads;
};

}  // namespace

TEST(VersionText, LeavesOutAZeroThirdNumber)
{
    EXPECT_EQ(VersionText(std::nullopt), L"---");
    EXPECT_EQ(VersionText(ModuleVersion{5, 1, 0, 2600}), L"5.1.2600");
    EXPECT_EQ(VersionText(ModuleVersion{5, 1, 3, 2600}), L"5.1.3.2600");
    EXPECT_EQ(VersionText(ModuleVersion{0, 0, 0, 0}), L"0.0.0");
    EXPECT_EQ(VersionText(ModuleVersion{65535, 65535, 65535, 65535}), L"65535.65535.65535.65535");
    EXPECT_EQ(VersionText(ModuleVersion{10, 0, 19041, 0}), L"10.0.19041.0");
}

TEST(AddModuleHit, WritesTheRowOfOneHit)
{
    FakeVersions fake;
    fake.files[L"C:\\Windows\\system32\\kernel32.dll"] = {5, 1, 0, 2600};
    ModuleVersionTexts versions(fake.Reader());
    MemoryResultsList list;

    AddModuleHit(list, versions, 1234, L"C:\\Program Files\\Editor\\editor.exe", L"C:\\Windows\\system32\\kernel32.dll");
    AddModuleHit(list, versions, 77, L"C:\\a\\b.exe", L"C:\\Missing\\noversion.dll");

    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.Text(1), L"editor.exe");
    EXPECT_EQ(list.SubItem(1, 1), L"5.1.2600");
    EXPECT_EQ(list.SubItem(1, 2), L"C:\\Windows\\system32\\kernel32.dll");
    EXPECT_EQ(list.Tag(1), L"&H000004D2|C:\\Program Files\\Editor\\editor.exe");
    EXPECT_EQ(list.Text(2), L"b.exe");
    EXPECT_EQ(list.SubItem(2, 1), L"---");
    EXPECT_EQ(list.Tag(2), PackProcessInfo(77, L"C:\\a\\b.exe"));
}

TEST(AddModuleHit, TwoModulesOfOneProcessGiveTwoRowsWithTheSameTextAndTag)
{
    FakeVersions fake;
    fake.files[L"C:\\m\\one.dll"] = {5, 1, 0, 2600};
    fake.files[L"C:\\m\\two.dll"] = {5, 1, 3, 2600};
    ModuleVersionTexts versions(fake.Reader());
    MemoryResultsList list;

    AddModuleHit(list, versions, 9, L"C:\\p\\prog.exe", L"C:\\m\\one.dll");
    AddModuleHit(list, versions, 9, L"C:\\p\\prog.exe", L"C:\\m\\two.dll");

    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.Text(1), list.Text(2));
    EXPECT_EQ(list.Tag(1), list.Tag(2));
    EXPECT_EQ(list.SubItem(1, 1), L"5.1.2600");
    EXPECT_EQ(list.SubItem(2, 1), L"5.1.3.2600");
}

TEST(AddModuleHit, ProgramWithoutPathGivesEmptyNameAndKeyText)
{
    FakeVersions fake;
    ModuleVersionTexts versions(fake.Reader());
    MemoryResultsList list;
    AddModuleHit(list, versions, 5, L"", L"C:\\m\\x.dll");
    EXPECT_EQ(list.Text(1), L"");
    EXPECT_EQ(list.Tag(1), L"&H00000005|");
}

TEST(ModuleVersionTexts, ReadsEachFileOncePerSearchWithTheSameTexts)
{
    FakeVersions fake;
    fake.files[L"C:\\m\\shared.dll"] = {6, 2, 9200, 16384};
    ModuleVersionTexts versions(fake.Reader());
    MemoryResultsList list;
    for (int process = 1; process <= 40; ++process) {
        AddModuleHit(list, versions, process, L"C:\\p\\prog.exe", L"C:\\m\\shared.dll");
        AddModuleHit(list, versions, process, L"C:\\p\\prog.exe", L"C:\\m\\absent.dll");
    }
    EXPECT_EQ(fake.reads[L"C:\\m\\shared.dll"], 1);
    EXPECT_EQ(fake.reads[L"C:\\m\\absent.dll"], 1) << "a failed read is remembered too";
    for (int row = 1; row <= list.RowCount(); row += 2) {
        EXPECT_EQ(list.SubItem(row, 1), L"6.2.9200.16384");
        EXPECT_EQ(list.SubItem(row + 1, 1), L"---");
    }
}
