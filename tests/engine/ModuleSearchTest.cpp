// The module search against real processes (test helpers that load test modules), on both families.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/TestService.h"
#include "platform/processes/OwnProcess.h"
#include "search/ModuleFiles_win.h"
#include "search/NtProcessWalk.h"
#include "search/ProcessEntryKey.h"

namespace {

bool DebugPrivilegeEnabled()
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    const UniqueHandle owner(token);
    PRIVILEGE_SET asked{1, PRIVILEGE_SET_ALL_NECESSARY, {}};
    LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &asked.Privilege[0].Luid);
    BOOL enabled = FALSE;
    return PrivilegeCheck(token, &asked, &enabled) && enabled;
}

}  // namespace

TEST(NtProcessWalk, WhatItCannotExamineGivesNoRowNoMessageButIsCountedAndAFailedListingIsShown)
{
    FailingProcessQueries api;
    FailingSnapshots noSnapshots(true);  // every module path read through `api`
    std::atomic<ULONGLONG> now{0};
    SkippingClock clock(now);  // the failures are read again at once
    ObservedMessageBoxes boxes;
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"nt_xq17.dll");
    const HelperProcess unopenable({module}), unlistable({module}), unreadable({module}), examined({module});
    api.unopenable = unopenable.Id();
    api.unlistable = unlistable.Id();
    api.unreadable = unreadable.Id();

    EXPECT_EQ(SearchRows(L"nt_xq17.dll"),
              (std::multiset<Row>{{examined.Id(), L"vennick_test_helper.exe", L"---", module, examined.Program()}}))
        << "a handle listed twice counts once";
    EXPECT_TRUE(boxes.shown.empty());
    MemoryResultsList rows;
    const std::vector<UnexaminedProcess> unexamined = SearchModule(rows, L"nt_xq17.dll", MatchMode::EndsWith).unexamined;
    const std::wstring helper = L"vennick_test_helper.exe";
    EXPECT_EQ(unexamined, (std::vector<UnexaminedProcess>{{unopenable.Id(), helper}, {unlistable.Id(), helper}}))
        << "named from the process snapshot: even the least rights read no image name";
    // Unreadable module paths match the empty specification only: a row a module; the program's comes from the process.
    const std::multiset<Row> all = SearchRows(L"");
    const auto rowsOf = [&](DWORD id) {
        return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [&](auto& row) { return std::get<0>(row) == id; }));
    };
    EXPECT_EQ(rowsOf(unreadable.Id()), rowsOf(examined.Id()));
    EXPECT_EQ(all.count({unreadable.Id(), L"vennick_test_helper.exe", L"---", L"", unreadable.Program()}),
              rowsOf(unreadable.Id()));

    api.listingFails = true;
    bool privilegeAtTheStart = false;
    api.onListing = [&] { privilegeAtTheStart = DebugPrivilegeEnabled(); };
    ASSERT_TRUE(EnableDebugPrivilege(false) && !DebugPrivilegeEnabled());
    MemoryResultsList none;
    EXPECT_EQ(SearchModule(none, L"nt_xq17.dll", MatchMode::EndsWith).listingFailure,
              (ListingFailure{ListingFailure::Listing::ProcessIds, ERROR_NOT_ENOUGH_MEMORY}));
    EXPECT_EQ(none.Count(), 0u);
    EXPECT_TRUE(boxes.shown.empty()) << "the search shows no box of its own";
    EXPECT_TRUE(privilegeAtTheStart) << "asked for before the walk";
}

// Processes that answer as a machine's do to a program without elevation, on a clock whose time passes at once. The
// one that fails twice is read, once it answers, as the real helper it stands for.
class AnsweringProcesses final : public EventProcesses {
public:
    enum class Kind { Refused, RefusedOnceOpen, FailsTwice, KeepsFailing, Ended, WithoutUserModules };
    explicit AnsweringProcesses(DWORD helper) : helper_(helper) {}
    DWORD Add(Kind kind)
    {
        const DWORD id = 0x60000000 + 4 * static_cast<DWORD>(kinds.size());
        kinds[id] = kind;
        return id;
    }
    bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* written) override
    {
        const std::lock_guard<std::recursive_mutex> lock(lock_);
        std::vector<DWORD> listed{helper_};
        for (const auto& [id, kind] : kinds) {
            if (kind != Kind::Ended || listings == 0) listed.push_back(id);  // an ended one is gone from later lists
        }
        ++listings;
        *written = static_cast<DWORD>(std::min<std::size_t>(bytes / sizeof(DWORD), listed.size()) * sizeof(DWORD));
        std::copy_n(listed.begin(), *written / sizeof(DWORD), ids);
        return true;
    }
    UniqueHandle OpenProcess(DWORD access, DWORD id) override
    {
        const std::lock_guard<std::recursive_mutex> lock(lock_);
        if (!kinds.count(id)) return EventProcesses::OpenProcess(access, id);
        const Kind kind = kinds.at(id);
        const bool full = access == kQueryAndReadAccess;
        opens[id] += full;
        if (kind == Kind::FailsTwice && full && opens[id] > 2) {
            return Real(real().OpenProcess(access, helper_));
        }
        if (kind == Kind::Ended || (full && (kind == Kind::Refused || kind == Kind::WithoutUserModules))) {
            SetLastError(kind == Kind::Ended ? ERROR_INVALID_PARAMETER : ERROR_ACCESS_DENIED);
            return UniqueHandle();
        }
        return EventProcesses::OpenProcess(access, id);
    }
    // A security product trims the handle's rights: the read after the open is refused.
    bool ListModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* needed) override
    {
        const std::optional<DWORD> id = IdOf(process);
        if (!id || kinds.at(*id) != Kind::RefusedOnceOpen) return EventProcesses::ListModules(process, modules, bytes, needed);
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    std::map<DWORD, Kind> kinds;
    std::map<DWORD, int> opens;
    int listings = 0;

private:
    bool Stands(DWORD id) override { return kinds.count(id) > 0; }
    bool HasUserModules(DWORD id) override { return kinds.at(id) != Kind::WithoutUserModules; }
    DWORD helper_;
};

TEST(NtProcessWalk, CountsTheRunningProcessesItCouldNotExamineAndReadsAgainWhatMayStillBeStarting)
{
    ScratchFolder folder;
    const HelperProcess helper({folder.AddModule(ModuleKind::NoVersion, L"answer_xq26.dll")});
    FailingSnapshots noSnapshots(true);
    std::atomic<ULONGLONG> now{0};
    SkippingClock clock(now);
    const auto search = [&] {
        MemoryResultsList rows;
        const SearchOutcome outcome = SearchModule(rows, L"answer_xq26.dll", MatchMode::EndsWith);
        std::set<DWORD> processes;
        for (std::size_t i = 0; i < rows.Count(); ++i) processes.insert(ProcessIdOfKey(rows.Row(i).processKey));
        return std::pair(outcome.unexamined, processes);
    };
    {
        AnsweringProcesses machine(helper.Id());
        const DWORD refused = machine.Add(AnsweringProcesses::Kind::Refused);
        const DWORD startsLate = machine.Add(AnsweringProcesses::Kind::FailsTwice);
        const DWORD failing = machine.Add(AnsweringProcesses::Kind::KeepsFailing);
        machine.Add(AnsweringProcesses::Kind::Ended);
        machine.Add(AnsweringProcesses::Kind::WithoutUserModules);
        const auto [unexamined, examined] = search();
        EXPECT_EQ(unexamined, (std::vector<UnexaminedProcess>{{refused, L"answer.exe", true}, {failing, L"answer.exe"}}))
            << "the ended one, the one without user-mode modules and the one that answered at last do not count";
        EXPECT_EQ(examined, (std::set<DWORD>{helper.Id(), startsLate})) << "read once it answered";
        EXPECT_EQ(machine.opens[startsLate], 3);
        EXPECT_LE(now, 1'050u) << "the failures read again within one time bound";
    }
    now = 0;
    {
        // Failures another try cannot mend: an ended process, refusals before and after the open.
        AnsweringProcesses machine(helper.Id());
        const DWORD refused = machine.Add(AnsweringProcesses::Kind::Refused);
        const DWORD trimmed = machine.Add(AnsweringProcesses::Kind::RefusedOnceOpen);
        const DWORD ended = machine.Add(AnsweringProcesses::Kind::Ended);
        machine.Add(AnsweringProcesses::Kind::WithoutUserModules);
        const auto [unexamined, examined] = search();
        EXPECT_EQ(unexamined, (std::vector<UnexaminedProcess>{{refused, L"answer.exe", true}, {trimmed, L"answer.exe", true}}));
        EXPECT_EQ(now, 0u) << "none of them is read again";
        EXPECT_EQ(std::tuple(machine.opens[refused], machine.opens[trimmed], machine.opens[ended]), std::tuple(1, 1, 1));
    }
    now = 0;
    AnsweringProcesses terminalServer(helper.Id());
    for (int i = 0; i < 1500; ++i) {
        terminalServer.Add(i < 700 ? AnsweringProcesses::Kind::Refused : AnsweringProcesses::Kind::KeepsFailing);
    }
    const auto [unexamined, examined] = search();
    EXPECT_EQ(unexamined.size(), 1500u);
    EXPECT_EQ(std::count_if(unexamined.begin(), unexamined.end(), [](auto& p) { return p.refused; }), 700);
    EXPECT_LE(now, 1'050u) << "the same bound for 800 that keep failing";
}

TEST(ModuleSearch, ARowForEachMatchingModuleOfEveryProcessOf64Or32BitsLongAndNonLatinPathsWhole)
{
    ScratchFolder folder;
    const std::wstring a = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq1\\alpha_xq1.dll");
    const std::wstring b = folder.AddModule(ModuleKind::Version5_1_3_2600, L"lib_xq1\\beta_xq1.dll");
    const std::wstring wow = folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"lib_xq1\\wow_xq1.dll");
    const std::wstring plain = folder.AddModule(ModuleKind::NoVersion, L"plain_xq1b.dll");
    const std::wstring cyrillic = folder.AddModule(ModuleKind::NoVersion, L"Модули_xq21\\кириллица.dll");
    const std::wstring deep = folder.AddModule(ModuleKind::Version5_1_3_2600, std::wstring(120, L'd') + L"\\" +
                                                                          std::wstring(120, L'e') + L"\\long_xq21.dll");
    ASSERT_GT(deep.size(), 260u);
    const std::wstring runner = folder.Copy(HelperProgramPath(), L"runner_xq1.exe");
    const HelperProcess two({a, b}), one({a}, runner), wow32({wow}, Helper32ProgramPath());
    const HelperProcess unversioned({plain, cyrillic, deep});
    const UniqueLibrary self(LoadLibraryW(plain.c_str()));
    const std::wstring helper = L"vennick_test_helper.exe";
    const Row twoA{two.Id(), helper, L"5.1.2600", a, two.Program()}, twoB{two.Id(), helper, L"5.1.3.2600", b, two.Program()};
    const Row oneA{one.Id(), L"runner_xq1.exe", L"5.1.2600", a, runner};
    const Row selfRow{GetCurrentProcessId(), L"engine_tests.exe", L"---", plain, BuildFolder() + L"engine_tests.exe"};
    const Row wowRow{wow32.Id(), helper, L"5.1.3.2600", wow, wow32.Program()};  // a 32-bit process as a 64-bit one
    const std::pair<const wchar_t*, std::multiset<Row>> cases[] = {
        {L"ALPHA_XQ1.DLL", {twoA, oneA}},
        {L"_xq1.dll", {twoA, twoB, oneA, wowRow}},  // two modules of one process: two rows
        {L"plain_xq1b.dll", {{unversioned.Id(), helper, L"---", plain, unversioned.Program()}, selfRow}},  // self too
        {L"Runner_XQ1.exe", {{one.Id(), L"runner_xq1.exe", L"---", runner, runner}}},  // its program
        {L"long_xq21.dll", {{unversioned.Id(), helper, L"5.1.3.2600", deep, unversioned.Program()}}},
        {L"no_such_module_xq1.dll", {}},
    };
    for (const auto& [spec, expected] : cases) EXPECT_EQ(SearchRows(spec), expected) << spec;

    // A 32-bit process's system modules are listed under System32, where the 64-bit files are: each is the same file
    // as the one of its name in SysWOW64, and its row keeps the design's text.
    MemoryResultsList system;
    SearchModule(system, L"\\kernel32.dll", MatchMode::EndsWith);
    for (const DWORD id : {wow32.Id(), two.Id()}) {
        std::size_t rowsOfIt = 0;
        for (std::size_t i = 0; i < system.Count(); ++i) {
            const ResultRow& row = system.Row(i);
            if (static_cast<DWORD>(ProcessIdOfKey(row.processKey)) != id) continue;
            ++rowsOfIt;
            EXPECT_EQ(row.copy, ModuleCopy::Same) << row.modulePath;
            EXPECT_EQ(row.moduleVersion.find(L'('), std::wstring::npos) << row.moduleVersion;
        }
        EXPECT_EQ(rowsOfIt, 1u) << id;
    }

    // Each row keeps when its process started, as the process's own times tell: what terminate knows it by.
    MemoryResultsList found;
    SearchModule(found, L"_xq1.dll", MatchMode::EndsWith);
    ASSERT_EQ(found.Count(), 4u);
    for (std::size_t i = 0; i < found.Count(); ++i) {
        const DWORD id = static_cast<DWORD>(ProcessIdOfKey(found.Row(i).processKey));
        FILETIME created{}, exited{}, kernel{}, user{};
        GetProcessTimes(UniqueHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id)).get(), &created,
                        &exited, &kernel, &user);
        EXPECT_EQ(found.Row(i).processStart, (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime) << id;
    }

    // Read by one worker or by many, the same rows in the same order, hidden start times included.
    const auto rowsOfHelpers = [&](unsigned workers) {
        MemoryResultsList list;
        SearchModule(list, L"", MatchMode::EndsWith, workers);
        const std::set<DWORD> helpers{two.Id(), one.Id(), wow32.Id(), unversioned.Id(), GetCurrentProcessId()};
        std::vector<ResultRow> rows;
        for (std::size_t i = 0; i < list.Count(); ++i) {
            if (helpers.count(static_cast<DWORD>(ProcessIdOfKey(list.Row(i).processKey)))) rows.push_back(list.Row(i));
        }
        return rows;
    };
    const std::vector<ResultRow> alone = rowsOfHelpers(1);
    EXPECT_GT(alone.size(), 40u);
    EXPECT_TRUE(alone == rowsOfHelpers(8)) << "eight workers";
    EXPECT_TRUE(alone == rowsOfHelpers(3)) << "three workers";

    // Each search reads the files anew: a loaded file can be renamed and another put in its place, while the processes
    // that loaded it run the old copy.
    ASSERT_TRUE(MoveFileW(a.c_str(), (a + L".old").c_str()));
    folder.AddModule(ModuleKind::NoVersion, L"lib_xq1\\alpha_xq1.dll");
    for (const Row& row : SearchRows(L"alpha_xq1.dll")) EXPECT_EQ(std::get<2>(row), L"5.1.2600 (на диске ---)");

    // Long and non-Latin paths are read whole, with or without a tool-help snapshot.
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, unversioned.Id()));
    for (const bool snapshotFails : {false, true}) {
        FailingProcessQueries api;  // no failure set: it counts the paths read
        FailingSnapshots snapshots;
        snapshots.failing = snapshotFails;
        DWORD error = ERROR_SUCCESS;
        std::vector<std::wstring> paths;
        ASSERT_TRUE(VisitModulesOf(process.get(), unversioned.Id(), error,
                                   [&](std::wstring path, std::uint64_t) { paths.push_back(std::move(path)); }));
        EXPECT_EQ(paths.front(), unversioned.Program()) << "the program comes first";
        EXPECT_EQ(std::count(paths.begin(), paths.end(), cyrillic), 1);
        EXPECT_EQ(std::count(paths.begin(), paths.end(), deep), 1);
        // A snapshot record holds at most MAX_PATH - 1 characters: the long path alone is read on its own.
        EXPECT_EQ(api.pathsRead.load(), snapshotFails ? paths.size() : 1u);
    }
}

TEST(Win9xProcessWalk, RowsFromTheToolHelpSnapshotsAndAFailedProcessSnapshotIsReported)
{
    FakeHost host;
    host.windows9x = true;
    ObservedMessageBoxes boxes;
    ScratchFolder folder;
    const std::wstring a = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq16\\nine_a_xq16.dll");
    const std::wstring b = folder.AddModule(ModuleKind::NoVersion, L"lib_xq16\\nine_b_xq16.dll");
    const HelperProcess two({a, b}), one({a});
    // A process record names the program's file only: its full form is taken against the current folder.
    const std::wstring program = std::filesystem::current_path().wstring() + L"\\vennick_test_helper.exe";
    const std::wstring helper = L"vennick_test_helper.exe";
    EXPECT_EQ(SearchRows(L"\\LIB_XQ16\\", MatchMode::Contains),
              (std::multiset<Row>{{two.Id(), helper, L"5.1.2600", a, program}, {two.Id(), helper, L"---", b, program},
                                  {one.Id(), helper, L"5.1.2600", a, program}}));
    EXPECT_EQ(SearchRows(L"NINE_A_XQ16.DLL").size(), 2u);
    EXPECT_TRUE(boxes.shown.empty());

    FailingSnapshots snapshots;
    MemoryResultsList none;
    EXPECT_EQ(SearchModule(none, L"", MatchMode::EndsWith).listingFailure,
              (ListingFailure{ListingFailure::Listing::ProcessSnapshot, ERROR_NOT_ENOUGH_MEMORY}));
    EXPECT_EQ(none.Count(), 0u);
    EXPECT_TRUE(boxes.shown.empty()) << "the search shows no box of its own";
}

// As on a terminal server: the helper is the last of 1500 processes, with 2100 modules, the last 1500 characters long.
class BeyondTheFirstBuffers final : public SeamFake<ProcessQueries> {
public:
    explicit BeyondTheFirstBuffers(DWORD helper) : helper_(helper)
    {
        for (DWORD id = 0x40000000; ids.size() < 1499; id += 4) ids.push_back(id);
        ids.push_back(helper);
    }
    bool ListProcesses(DWORD* buffer, DWORD bytes, DWORD* written) override
    {
        *written = static_cast<DWORD>(std::min<std::size_t>(bytes / sizeof(DWORD), ids.size()) * sizeof(DWORD));
        std::copy_n(ids.begin(), *written / sizeof(DWORD), buffer);
        return true;
    }
    UniqueHandle OpenProcess(DWORD access, DWORD id) override
    {
        if (access == kQueryAndReadAccess) {
            const std::lock_guard<std::mutex> lock(openedLock_);
            opened.push_back(id);
        }
        if (id == helper_) return real().OpenProcess(access, id);
        SetLastError(ERROR_ACCESS_DENIED);
        return UniqueHandle();
    }
    bool ListModules(HANDLE, HMODULE* modules, DWORD bytes, DWORD* needed) override
    {
        *needed = 2100 * sizeof(HMODULE);
        for (std::uintptr_t i = 0; i < std::min<std::size_t>(bytes / sizeof(HMODULE), 2100); ++i) {
            modules[i] = reinterpret_cast<HMODULE>((i + 1) << 16);
        }
        return true;
    }
    DWORD ModuleFileName(HANDLE, HMODULE module, wchar_t* buffer, DWORD capacity) override
    {
        const auto i = reinterpret_cast<std::uintptr_t>(module) >> 16;
        const std::wstring path =
            i == 1 ? HelperProgramPath() : i == 2100 ? longPath : L"C:\\many_xq22\\m" + std::to_wstring(i) + L".dll";
        const std::size_t copied = std::min<std::size_t>(path.size(), capacity - 1);  // cut to fit, as Windows does
        buffer[path.copy(buffer, copied)] = L'\0';
        return static_cast<DWORD>(copied);
    }
    bool ImageName(HANDLE process, wchar_t* buffer, DWORD* size) override { return real().ImageName(process, buffer, size); }
    bool StartTime(HANDLE process, std::uint64_t* time) override { return real().StartTime(process, time); }
    bool HasEnvironmentBlock(HANDLE process, bool* present) override { return real().HasEnvironmentBlock(process, present); }
    bool IsProtected(HANDLE process, bool* isProtected) override { return real().IsProtected(process, isProtected); }
    bool ReadMemory(HANDLE process, std::uint64_t address, void* out, std::size_t size, std::size_t* read) override
    {
        return real().ReadMemory(process, address, out, size, read);
    }
    bool SessionOf(DWORD id, DWORD* session) override { return real().SessionOf(id, session); }
    std::vector<std::uint8_t> TokenUser(HANDLE process) override { return real().TokenUser(process); }
    std::wstring ApplicationUserModelId(HANDLE process) override { return real().ApplicationUserModelId(process); }
    std::vector<DWORD> ids, opened;
    const std::wstring longPath = L"C:\\" + std::wstring(1483, L'p') + L"\\long_xq22.dll";

private:
    std::mutex openedLock_;  // the search's workers open at once
    DWORD helper_;
};

TEST(NtProcessWalk, EveryProcessEveryModuleAndWholePathsHoweverManyAndLong)
{
    const HelperProcess helper({});
    BeyondTheFirstBuffers api(helper.Id());
    FailingSnapshots noSnapshots;  // every path read through `api`
    ASSERT_EQ(api.longPath.size(), 1500u);

    EXPECT_EQ(SearchRows(L"\\MANY_XQ22\\", MatchMode::Contains).size(), 2098u) << "every module tested";
    EXPECT_EQ(std::multiset<DWORD>(api.opened.begin(), api.opened.end()), std::multiset<DWORD>(api.ids.begin(), api.ids.end()))
        << "each process opened once";
    EXPECT_EQ(SearchRows(L"LONG_XQ22.DLL"),
              (std::multiset<Row>{{helper.Id(), L"vennick_test_helper.exe", L"---", api.longPath, helper.Program()}}));
}

// Which listed processes host services, and which: named in the row's first column, kept with the row.
TEST(ModuleSearch, AServiceHostsRowNamesItsServicesAndOneTheServiceManagerStartedIsAHostEvenUnnamed)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"host_xq29.dll");
    const HelperProcess host({module}), plain({module});
    const InstalledService service(L"VennickSearchXq29", L"", {module});
    FakeServiceManager manager;
    manager.services = {{L"Dnscache", host.Id()}, {L"nsi", host.Id()}, {L"Other", 0x7FF0}};
    manager.dependents = {{L"nsi", {L"Dhcp"}}};
    const auto hostsOf = [&] {
        MemoryResultsList rows;
        SearchModule(rows, L"host_xq29.dll", MatchMode::EndsWith);
        std::map<DWORD, std::pair<std::wstring, std::optional<ServiceHost>>> found;
        for (std::size_t i = 0; i < rows.Count(); ++i) {
            found[static_cast<DWORD>(ProcessIdOfKey(rows.Row(i).processKey))] = {rows.Row(i).program, rows.Row(i).host};
        }
        return found;
    };
    // The real service is not among what this manager lists: as one the caller may not query.
    auto found = hostsOf();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[host.Id()].first, L"vennick_test_helper.exe (Dnscache, nsi)");
    EXPECT_EQ(found[host.Id()].second,
              (ServiceHost{{{L"Dnscache", std::vector<std::wstring>{}}, {L"nsi", std::vector<std::wstring>{L"Dhcp"}}}, false}));
    EXPECT_EQ(found[plain.Id()], std::pair(std::wstring(L"vennick_test_helper.exe"), std::optional<ServiceHost>()));
    EXPECT_EQ(found[service.ProcessId()],
              std::pair(std::wstring(L"vennick_test_service.exe"), std::optional<ServiceHost>(ServiceHost{{}, true})))
        << "started by services.exe: a host whose services are unknown";
    manager.listingFails = true;
    found = hostsOf();
    EXPECT_EQ(found[host.Id()].second, std::nullopt) << "not listed, and not started by the service manager";
    EXPECT_EQ(found[service.ProcessId()].second, (ServiceHost{{}, true}));
}

// Who ran each listed process, read with the least rights once a search: what relaunch needs when elevated.
TEST(ModuleSearch, EachRowKeepsWhoRanItsProcessItsSessionWhetherThisDesktopsUserAndAPackagedApplicationsId)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"owner_xq31.dll");
    const HelperProcess mine({module}), others({module}), packaged({module});
    FailingProcessQueries api;
    api.otherUser = {others.Id()};
    api.packaged = {{packaged.Id(), L"N_8wekyb3d8bbwe!App"}};
    MemoryResultsList rows;
    SearchModule(rows, L"owner_xq31.dll", MatchMode::EndsWith);
    std::map<DWORD, ProcessOwner> owners;
    for (std::size_t i = 0; i < rows.Count(); ++i) owners[ProcessIdOfKey(rows.Row(i).processKey)] = rows.Row(i).owner;
    DWORD session = 0;
    ASSERT_TRUE(ProcessIdToSessionId(mine.Id(), &session));
    EXPECT_EQ(owners, (std::map<DWORD, ProcessOwner>{{mine.Id(), {session, true, L""}},
                                                     {others.Id(), {session, false, L""}},
                                                     {packaged.Id(), {session, true, L"N_8wekyb3d8bbwe!App"}}}));
}

// A drive letter that only another logon session has (another user's mapped drive, the user's own seen elevated):
// what is not found there is not known to be gone.
TEST(ModuleFiles, AFileIsMissingOnlyWhereItsDriveIsThisSessionsOwn)
{
    ScratchFolder folder;
    wchar_t unknown[] = L"?:\\";
    for (wchar_t letter = L'D'; letter <= L'Y' && unknown[0] == L'?'; ++letter) {
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR) unknown[0] = letter;
    }
    ASSERT_NE(unknown[0], L'?');
    EXPECT_EQ(ReadModuleFile(folder.Path() + L"\\gone_xq30.dll").open, ModuleFile::Open::Missing);
    EXPECT_EQ(ReadModuleFile(folder.Path() + L"\\no folder\\gone_xq30.dll").open, ModuleFile::Open::Missing);
    EXPECT_EQ(ReadModuleFile(std::wstring(unknown) + L"Tools\\gone_xq30.dll").open, ModuleFile::Open::Failed);
}
