// The module search against real processes: test helpers that load test modules.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_set>

#include "fixtures/HelperProcess.h"
#include "fixtures/FakeSeams.h"
#include "platform/win/ProcessStatus.h"
#include "platform/win/ToolHelp.h"
#include "search/MemoryResultsList.h"
#include "search/modEnumProcessesNT.h"
#include "search/modPackProcessInfo.h"

namespace {

// A row as shown and as the actions read it back: process id, program name, module
// version, module path, program path. Ordered by process; a process's rows keep
// their order.
using Row = std::tuple<DWORD, std::wstring, std::wstring, std::wstring, std::wstring>;

std::vector<Row> ByProcess(std::vector<Row> rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return std::get<0>(a) < std::get<0>(b); });
    return rows;
}

std::vector<Row> Search(const std::wstring& spec, bool partial)
{
    MemoryResultsList list;
    SearchModule(list, spec, partial);
    std::vector<Row> rows;
    for (int row = 1; row <= list.RowCount(); ++row) {
        rows.emplace_back(UnpackProcessID(list.Tag(row)), list.Text(row), list.SubItem(row, 1), list.SubItem(row, 2),
                          UnpackProcessText(list.Tag(row)));
    }
    return ByProcess(rows);
}

}  // namespace

TEST(SearchRealProcesses, ARowForEachMatchingModuleOfEveryProcess)
{
    ScratchFolder folder;
    const std::wstring a = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq1\\alpha_xq1.dll");
    const std::wstring b = folder.AddModule(ModuleKind::Version5_1_3_2600, L"lib_xq1\\beta_xq1.dll");
    const std::wstring plain = folder.AddModule(ModuleKind::NoVersion, L"plain_xq1b.dll");
    const std::wstring runner = folder.Copy(HelperProgramPath(), L"runner_xq1.exe");
    const HelperProcess two({a, b});
    const HelperProcess one({a}, runner);
    const HelperProcess unversioned({plain});
    const std::wstring helper = L"vennick_test_helper.exe";
    const Row twoA{two.Id(), helper, L"5.1.2600", a, two.Program()};
    const Row twoB{two.Id(), helper, L"5.1.3.2600", b, two.Program()};
    const Row oneA{one.Id(), L"runner_xq1.exe", L"5.1.2600", a, runner};

    const std::tuple<const wchar_t*, bool, std::vector<Row>> cases[] = {
        {L"ALPHA_XQ1.DLL", false, {twoA, oneA}},
        {L"_xq1.dll", false, {twoA, twoB, oneA}},  // two modules of one process: two rows
        {L"\\LIB_XQ1\\", true, {twoA, twoB, oneA}},
        {L"lib_xq1", false, {}},  // a folder is no module's tail
        {L"plain_xq1b.dll", false, {{unversioned.Id(), helper, L"---", plain, unversioned.Program()}}},
        {L"Runner_XQ1.exe", false, {{one.Id(), L"runner_xq1.exe", L"---", runner, runner}}},  // its program
        {L"no_such_module_xq1.dll", false, {}},
    };
    for (const auto& [spec, partial, expected] : cases) EXPECT_EQ(Search(spec, partial), ByProcess(expected)) << spec;

    // Each search reads the versions anew: a loaded file can be renamed, and another
    // put in its place.
    ASSERT_TRUE(MoveFileW(a.c_str(), (a + L".old").c_str()));
    folder.AddModule(ModuleKind::NoVersion, L"lib_xq1\\alpha_xq1.dll");
    for (const Row& row : Search(L"alpha_xq1.dll", false)) EXPECT_EQ(std::get<2>(row), L"---");
}

TEST(SearchRealProcesses, TheSearchingProcessIsListedLikeAnyOther)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"self_xq6.dll");
    const UniqueLibrary loaded(LoadLibraryW(module.c_str()));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Search(L"self_xq6.dll", false), (std::vector<Row>{{GetCurrentProcessId(), L"engine_tests.exe", L"5.1.3.2600",
                                                                 module, BuildFolder() + L"engine_tests.exe"}}));
}

TEST(SearchRealProcesses, A32BitProcessIsListedLikeA64BitOne)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"lib_xq20\\wow_xq20.dll");
    const HelperProcess helper({module}, Helper32ProgramPath());
    const std::vector<Row> expected{{helper.Id(), L"vennick_test_helper.exe", L"5.1.3.2600", module, helper.Program()}};
    EXPECT_EQ(Search(L"WOW_XQ20.dll", false), expected);
    EXPECT_EQ(Search(L"\\lib_xq20\\", true), expected);
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

// Counts the paths read one by one.
class CountingProcessStatus final : public PassThroughProcessStatus {
public:
    DWORD ModuleFileName(HANDLE p, HMODULE m, wchar_t* buffer, DWORD capacity) override
    {
        ++reads;
        return real().ModuleFileName(p, m, buffer, capacity);
    }
    int reads = 0;
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
        if (id == native.Id()) {
            EXPECT_EQ(counting.reads, 1);
        }
        for (bool failing : {true, false}) {
            ScriptedToolHelp degraded;
            degraded.moduleSnapshotsFail = failing;
            degraded.halfModules = !failing;
            EXPECT_EQ(PathsInOnePass(process.get(), id), *expected) << "process " << id << (failing ? ", no snapshot" : ", half a snapshot");
        }
        compared.insert(id);
    }
    EXPECT_TRUE(compared.count(wow.Id()) && compared.count(native.Id()) && compared.count(GetCurrentProcessId()));
}
