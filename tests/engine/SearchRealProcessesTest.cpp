// The module search against real processes: test helpers that load test modules.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <set>
#include <unordered_set>

#include "fixtures/HelperProcess.h"
#include "fixtures/SeamFake.h"
#include "fixtures/TestFiles.h"
#include "platform/win/UniqueResource.h"
#include "search/MemoryResultsList.h"
#include "platform/win/ProcessStatus.h"
#include "platform/win/ToolHelp.h"
#include "search/modEnumProcessesNT.h"
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

TEST(SearchRealProcesses, A32BitProcessIsListedLikeA64BitOne)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"lib_xq20\\wow_xq20.dll");
    HelperProcess helper({module}, Helper32ProgramPath());

    for (const auto& [spec, partial] : {std::pair{L"WOW_XQ20.dll", false}, std::pair{L"\\lib_xq20\\", true}}) {
        const std::vector<Hit> hits = Search(spec, partial);
        ASSERT_EQ(hits.size(), 1u) << spec;
        ExpectHelperRow(hits[0], helper, module, L"5.1.3.2600");
    }
}

namespace {

using ModulePaths = std::vector<std::pair<HMODULE, std::wstring>>;

// What the process-status interface gives, one module at a time: each listed handle
// once, in its first place, with its path.
std::optional<ModulePaths> PathsOneByOne(HANDLE process)
{
    std::vector<HMODULE> handles(2048);
    DWORD needed = 0;
    if (!EnumProcessModulesEx(process, handles.data(), 2048 * sizeof(HMODULE), &needed, LIST_MODULES_ALL)) {
        return std::nullopt;
    }
    handles.resize(std::min<std::size_t>(needed / sizeof(HMODULE), 2048));
    ModulePaths paths;
    std::unordered_set<HMODULE> seen;
    for (HMODULE handle : handles) {
        wchar_t path[1025] = {};
        if (seen.insert(handle).second) paths.emplace_back(handle, (GetModuleFileNameExW(process, handle, path, 1024), path));
    }
    return paths;
}

ModulePaths PathsInOnePass(HANDLE process, DWORD processId)
{
    ModulePaths paths;
    for (const LoadedModule& module : ListModulesNT(process, processId).value_or(std::vector<LoadedModule>{})) {
        paths.emplace_back(module.handle, module.path);
    }
    return paths;
}

// Module snapshots that fail, or that lack every other module.
class DegradedToolHelp final : public SeamFake<ToolHelp> {
public:
    explicit DegradedToolHelp(bool failing) : failing_(failing) {}
    UniqueSnapshotHandle CreateSnapshot(DWORD kind, DWORD processId) override
    {
        return failing_ ? UniqueSnapshotHandle() : real().CreateSnapshot(kind, processId);
    }
    bool FirstProcess(HANDLE s, PROCESSENTRY32W& r) override { return real().FirstProcess(s, r); }
    bool NextProcess(HANDLE s, PROCESSENTRY32W& r) override { return real().NextProcess(s, r); }
    bool FirstModule(HANDLE s, MODULEENTRY32W& r) override { return real().FirstModule(s, r) && real().NextModule(s, r); }
    bool NextModule(HANDLE s, MODULEENTRY32W& r) override { return real().NextModule(s, r) && real().NextModule(s, r); }

private:
    static ToolHelp& real() { return Seam<ToolHelp>::Default(); }
    bool failing_;
};

// Counts the paths read one by one.
class CountingProcessStatus final : public SeamFake<ProcessStatus> {
public:
    bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* written) override { return real().ListProcesses(ids, bytes, written); }
    UniqueHandle OpenProcess(DWORD access, DWORD id) override { return real().OpenProcess(access, id); }
    bool ListModules(HANDLE p, HMODULE* m, DWORD bytes, DWORD* needed) override { return real().ListModules(p, m, bytes, needed); }
    DWORD ModuleFileName(HANDLE p, HMODULE m, wchar_t* buffer, DWORD capacity) override
    {
        ++reads;
        return real().ModuleFileName(p, m, buffer, capacity);
    }
    int reads = 0;

private:
    static ProcessStatus& real() { return Seam<ProcessStatus>::Default(); }
};

}  // namespace

TEST(SearchRealProcesses, ModulePathsReadInOnePassAreThoseReadOneByOne)
{
    ScratchFolder folder;
    HelperProcess wow({folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"wow_xq21.dll")}, Helper32ProgramPath());
    const std::wstring cyrillic = folder.AddModule(ModuleKind::NoVersion, L"Модули_xq21\\кириллица.dll");
    const std::wstring deep = folder.AddModule(ModuleKind::NoVersion, std::wstring(120, L'd') + L"\\" +
                                                                          std::wstring(120, L'e') + L"\\long_xq21.dll");
    ASSERT_GT(deep.size(), 260u);
    HelperProcess native({cyrillic, deep});

    std::vector<DWORD> ids(1024);
    DWORD bytes = 0;
    ASSERT_TRUE(EnumProcesses(ids.data(), 4096, &bytes));
    ids.resize(bytes / sizeof(DWORD));
    std::set<DWORD> compared;
    for (DWORD id : ids) {
        const UniqueHandle process(OpenProcess(0x410, FALSE, id));
        const std::optional<ModulePaths> expected = process ? PathsOneByOne(process.get()) : std::nullopt;
        if (!expected) continue;
        CountingProcessStatus counting;
        EXPECT_EQ(PathsInOnePass(process.get(), id), *expected) << "process " << id;
        // Only the path too long for a snapshot record is read on its own. (Wine takes
        // no module snapshot of a 32-bit process for a 64-bit caller: all are read so.)
        if (id == native.Id()) EXPECT_EQ(counting.reads, 1);
        for (bool failing : {true, false}) {
            const DegradedToolHelp degraded(failing);
            EXPECT_EQ(PathsInOnePass(process.get(), id), *expected) << "process " << id << (failing ? ", no snapshot" : ", half a snapshot");
        }
        compared.insert(id);
    }
    EXPECT_TRUE(compared.count(wow.Id()) && compared.count(native.Id()) && compared.count(GetCurrentProcessId()));
}
