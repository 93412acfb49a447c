// The module search against real processes: test helpers that load test modules.
#include <gtest/gtest.h>

#include <set>

#include "fixtures/HelperProcess.h"
#include "fixtures/TestFiles.h"
#include "platform/win/UniqueResource.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"
#include "search/modPackProcessInfo.h"

namespace {

struct Hit {
    std::wstring text;
    std::wstring version;
    std::wstring module;
    DWORD processId;
    std::wstring program;
};

std::vector<Hit> Search(const std::wstring& spec, bool partial)
{
    MemoryResultsList list;
    SearchModule(list, spec, partial);
    std::vector<Hit> hits;
    for (int row = 1; row <= list.RowCount(); ++row) {
        hits.push_back({list.Text(row), list.SubItem(row, 1), list.SubItem(row, 2),
                        static_cast<DWORD>(UnpackProcessID(list.Tag(row))), UnpackProcessText(list.Tag(row))});
    }
    return hits;
}

void ExpectHelperRow(const Hit& hit, const HelperProcess& helper, const std::wstring& module,
                     const std::wstring& version)
{
    EXPECT_EQ(hit.text, L"vennick_test_helper.exe");
    EXPECT_EQ(hit.version, version);
    EXPECT_EQ(hit.module, module);
    EXPECT_EQ(hit.processId, helper.Id());
    EXPECT_EQ(hit.program, helper.Program());
}

}  // namespace

TEST(SearchRealProcesses, TwoHelpersWithTheModuleGiveOneRowEach)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_0_2600, L"alpha_xq1.dll");
    HelperProcess first({module});
    HelperProcess second({module});

    const std::vector<Hit> hits = Search(L"ALPHA_XQ1.DLL", false);

    ASSERT_EQ(hits.size(), 2u);
    const std::set<DWORD> ids{hits[0].processId, hits[1].processId};
    EXPECT_EQ(ids, (std::set<DWORD>{first.Id(), second.Id()}));
    for (const Hit& hit : hits) ExpectHelperRow(hit, hit.processId == first.Id() ? first : second, module, L"5.1.2600");
}

TEST(SearchRealProcesses, TwoMatchingModulesOfOneProcessGiveTwoRowsInLoadOrder)
{
    ScratchFolder folder;
    const std::wstring a = folder.AddModule(ModuleKind::Version5_1_0_2600, L"twoa_xq2.dll");
    const std::wstring b = folder.AddModule(ModuleKind::Version5_1_3_2600, L"twob_xq2.dll");
    HelperProcess helper({a, b});

    const std::vector<Hit> hits = Search(L"_xq2.dll", false);

    ASSERT_EQ(hits.size(), 2u);
    ExpectHelperRow(hits[0], helper, a, L"5.1.2600");
    ExpectHelperRow(hits[1], helper, b, L"5.1.3.2600");
}

TEST(SearchRealProcesses, ModuleWithoutVersionResourceShowsDashes)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"plain_xq3.dll");
    HelperProcess helper({module});

    const std::vector<Hit> hits = Search(L"plain_xq3.dll", false);

    ASSERT_EQ(hits.size(), 1u);
    ExpectHelperRow(hits[0], helper, module, L"---");
}

TEST(SearchRealProcesses, ProgramFileNameListsTheProcessWithItsProgramInTheModuleColumn)
{
    ScratchFolder folder;
    const std::wstring program = folder.Copy(HelperProgramPath(), L"runner_xq4.exe");
    HelperProcess helper({}, program);

    const std::vector<Hit> hits = Search(L"Runner_XQ4.exe", false);

    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].text, L"runner_xq4.exe");
    EXPECT_EQ(hits[0].module, program);
    EXPECT_EQ(hits[0].program, program);
    EXPECT_EQ(hits[0].processId, helper.Id());
}

TEST(SearchRealProcesses, ContainsTestWithAFolderNameFindsEveryModuleFromThatFolder)
{
    ScratchFolder folder;
    const std::wstring one = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq5\\one.dll");
    const std::wstring two = folder.AddModule(ModuleKind::NoVersion, L"lib_xq5\\two.dll");
    HelperProcess helper({one, two});

    const std::vector<Hit> contains = Search(L"\\LIB_XQ5\\", true);
    ASSERT_EQ(contains.size(), 2u);
    ExpectHelperRow(contains[0], helper, one, L"5.1.2600");
    ExpectHelperRow(contains[1], helper, two, L"---");

    EXPECT_TRUE(Search(L"lib_xq5", false).empty()) << "a folder name is no module's tail";
}

TEST(SearchRealProcesses, TheSearchingProcessIsListedLikeAnyOther)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"self_xq6.dll");
    const UniqueLibrary loaded(LoadLibraryW(module.c_str()));
    ASSERT_TRUE(loaded);

    const std::vector<Hit> hits = Search(L"self_xq6.dll", false);

    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].processId, GetCurrentProcessId());
    EXPECT_EQ(hits[0].text, L"engine_tests.exe");
    EXPECT_EQ(hits[0].module, module);
    EXPECT_EQ(hits[0].version, L"5.1.3.2600");
}

TEST(SearchRealProcesses, NoMatchGivesNoRows)
{
    EXPECT_TRUE(Search(L"no_such_module_xq7.dll", false).empty());
    EXPECT_TRUE(Search(L"no_such_folder_xq7\\", true).empty());
}
