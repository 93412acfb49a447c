// The NT enumerator's failure paths and limits, through fakes of the process-status
// calls and of the tool-help snapshots.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "fixtures/FakeSeams.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "platform/win/ProcessStatus.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"
#include "search/modPackProcessInfo.h"

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

void SetDebugPrivilege(bool enabled)
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
    const UniqueHandle owner(token);
    TOKEN_PRIVILEGES privileges{1, {{{}, enabled ? SE_PRIVILEGE_ENABLED : 0u}}};
    LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &privileges.Privileges[0].Luid);
    AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr);
}

// A made-up module path; nullopt for a module whose path cannot be read.
using FakeModule = std::optional<std::wstring>;

struct FakeProcess {
    DWORD id = 0;
    std::vector<FakeModule> modules;  // the first one is the program
    bool openable = true;
    bool moduleListFails = false;
    std::vector<std::size_t> listing = {};  // the modules' order in the listing, when not 0, 1, 2, ...
};

// Made-up processes behind the process-status calls. Opened processes get real
// handles (to the test process itself), so the enumerator's owners close real handles.
class FakeProcessStatus final : public SeamFake<ProcessStatus> {
public:

    bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* bytesWritten) override
    {
        debugPrivilegeAtListing = DebugPrivilegeEnabled();
        if (listingFails) return false;
        const std::size_t count = std::min<std::size_t>(processes.size(), bytes / sizeof(DWORD));
        for (std::size_t i = 0; i < count; ++i) ids[i] = processes[i].id;
        *bytesWritten = static_cast<DWORD>(count * sizeof(DWORD));
        return true;
    }

    UniqueHandle OpenProcess(DWORD access, DWORD processId) override
    {
        accesses.push_back(access);
        for (FakeProcess& process : processes) {
            if (process.id != processId || !process.openable) continue;
            HANDLE handle = nullptr;
            DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &handle, 0, FALSE,
                            DUPLICATE_SAME_ACCESS);
            open_[handle] = &process;
            return UniqueHandle(handle);
        }
        return UniqueHandle();
    }

    bool ListModules(HANDLE handle, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded) override
    {
        const FakeProcess& process = *open_.at(handle);
        if (process.moduleListFails) return false;
        listBufferBytes = bytes;
        std::vector<std::size_t> listing = process.listing;
        if (listing.empty()) {
            for (std::size_t i = 0; i < process.modules.size(); ++i) listing.push_back(i);
        }
        for (std::size_t i = 0; i < std::min<std::size_t>(bytes / sizeof(HMODULE), listing.size()); ++i) {
            modules[i] = HandleOf(listing[i]);
        }
        *bytesNeeded = static_cast<DWORD>(listing.size() * sizeof(HMODULE));
        return true;
    }

    DWORD ModuleFileName(HANDLE handle, HMODULE module, wchar_t* buffer, DWORD capacity) override
    {
        const FakeProcess& process = *open_.at(handle);
        const std::size_t index = IndexOf(module);
        highestModuleAsked = std::max(highestModuleAsked, index);
        if (index >= process.modules.size()) {
            ADD_FAILURE() << "asked for a module the process never listed";
            return 0;
        }
        const FakeModule& path = process.modules[index];
        if (!path || path->size() >= capacity) return 0;
        std::copy(path->begin(), path->end(), buffer);
        buffer[path->size()] = L'\0';
        return static_cast<DWORD>(path->size());
    }

    std::vector<FakeProcess> processes;
    bool listingFails = false;
    std::vector<DWORD> accesses;
    DWORD listBufferBytes = 0;
    std::size_t highestModuleAsked = 0;
    bool debugPrivilegeAtListing = false;

private:
    static HMODULE HandleOf(std::size_t index) { return reinterpret_cast<HMODULE>((index + 1) << 16); }
    static std::size_t IndexOf(HMODULE module) { return (reinterpret_cast<std::uintptr_t>(module) >> 16) - 1; }

    std::map<HANDLE, FakeProcess*> open_;
};

MemoryResultsList Search(const std::wstring& spec, bool partial = false)
{
    ScriptedToolHelp noSnapshots;  // the paths come from the fake above
    noSnapshots.moduleSnapshotsFail = true;
    MemoryResultsList list;
    SearchModule(list, spec, partial);
    return list;
}

}  // namespace

TEST(EnumProcessesNTFailures, AFailedListingIsShownAfterTheDebugPrivilegeWasAskedFor)
{
    FakeProcessStatus fake;
    fake.listingFails = true;
    fake.processes.push_back({10, {L"C:\\a\\a.exe", L"C:\\a\\x.dll"}});
    RecordingMessageBoxes boxes;
    SetDebugPrivilege(false);
    ASSERT_FALSE(DebugPrivilegeEnabled());

    EXPECT_EQ(Search(L"x.dll").RowCount(), 0);

    EXPECT_TRUE(fake.debugPrivilegeAtListing);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Can't enum processes!");
    EXPECT_EQ(boxes.shown[0].style, 16u);
}

TEST(EnumProcessesNTFailures, ProcessesThatCannotBeExaminedAreSkippedSilentlyAndTheirHandlesClosed)
{
    FakeProcessStatus fake;
    fake.processes.push_back({0, {L"C:\\idle.exe", L"C:\\a\\x.dll"}, false});
    for (DWORD id = 1; id <= 30; ++id) fake.processes.push_back({id * 4, {L"C:\\a\\p.exe", L"C:\\a\\y.dll"}, true, true});
    fake.processes.push_back({400, {L"C:\\a\\good.exe", L"C:\\a\\x.dll"}});
    RecordingMessageBoxes boxes;
    DWORD before = 0, after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));

    const MemoryResultsList list = Search(L".dll");

    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_EQ(after, before);
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.Tag(1), L"&H00000190|C:\\a\\good.exe");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(fake.accesses, std::vector<DWORD>(32, 0x410));
}

TEST(EnumProcessesNTFailures, UnreadablePathsAreEmptyAndARepeatedHandleCountsOnce)
{
    FakeProcessStatus fake;
    fake.processes.push_back({50, {std::nullopt, L"C:\\a\\x.dll", std::nullopt, L"C:\\a\\z.dll"}, true, false,
                              {0, 3, 1, 2, 3, 0, 1}});

    const MemoryResultsList named = Search(L"x.dll");
    ASSERT_EQ(named.RowCount(), 1) << "an unreadable module matches no non-empty specification";
    EXPECT_EQ(named.Text(1), L"");
    EXPECT_EQ(named.Tag(1), L"&H00000032|") << "the program's path is unknown";

    const MemoryResultsList all = Search(L"");
    ASSERT_EQ(all.RowCount(), 4) << "the empty specification matches even empty paths";
    const std::wstring inFirstOrder[] = {L"", L"C:\\a\\z.dll", L"C:\\a\\x.dll", L""};
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(all.SubItem(row, 2), inFirstOrder[row - 1]);
}

TEST(EnumProcessesNTFailures, OnlyTheFirst1024ProcessesAnd2048ModulesAreExamined)
{
    FakeProcessStatus fake;
    FakeProcess big{4, {L"C:\\big\\big.exe"}};
    for (int i = 1; i < 3000; ++i) big.modules.emplace_back(L"C:\\big\\m" + std::to_wstring(i) + L".dll");
    big.modules[2047] = L"C:\\big\\last_examined.dll";
    big.modules[2048] = L"C:\\big\\beyond.dll";
    fake.processes.push_back(big);
    EXPECT_EQ(Search(L"last_examined.dll").RowCount(), 1);
    EXPECT_EQ(Search(L"beyond.dll").RowCount(), 0);
    EXPECT_EQ(fake.listBufferBytes, 2048 * sizeof(HMODULE));
    EXPECT_EQ(fake.highestModuleAsked, 2047u);

    fake.processes.clear();
    for (DWORD id = 1; id <= 1500; ++id) fake.processes.push_back({id * 4, {L"C:\\p.exe", L"C:\\x.dll"}});
    const MemoryResultsList list = Search(L"x.dll");
    EXPECT_EQ(list.RowCount(), 1024);
    EXPECT_EQ(UnpackProcessID(list.Tag(1024)), 1024 * 4);
}
