// The NT enumerator's failure paths: real helper processes, with the failures put into
// the process-status calls.
#include <gtest/gtest.h>

#include <algorithm>

#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"

namespace {

// Sets this process's debug privilege (or, without `enable`, leaves it); whether it is
// then enabled.
bool DebugPrivilege(std::optional<bool> enable = std::nullopt)
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
    const UniqueHandle owner(token);
    TOKEN_PRIVILEGES set{1, {{{}, enable.value_or(false) ? SE_PRIVILEGE_ENABLED : 0u}}};
    LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &set.Privileges[0].Luid);
    if (enable) AdjustTokenPrivileges(token, FALSE, &set, sizeof set, nullptr, nullptr);
    PRIVILEGE_SET asked{1, PRIVILEGE_SET_ALL_NECESSARY, {{set.Privileges[0].Luid, 0}}};
    BOOL enabled = FALSE;
    return PrivilegeCheck(token, &asked, &enabled) && enabled;
}

class EnumProcessesNTFailures : public ::testing::Test {
protected:
    FailingProcessStatus api;
    FailingSnapshots noSnapshots;  // every path read through `api`
    RecordingMessageBoxes boxes;
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"nt_xq17.dll");
};

}  // namespace

TEST_F(EnumProcessesNTFailures, AFailedListingIsShownAndTheDebugPrivilegeWasAskedFor)
{
    const HelperProcess helper({module});
    api.listingFails = true;
    ASSERT_FALSE(DebugPrivilege(false));

    EXPECT_TRUE(SearchRows(L"nt_xq17.dll").empty());

    EXPECT_TRUE(DebugPrivilege());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Can't enum processes!");
    EXPECT_EQ(boxes.shown[0].style, 16u);  // MB_ICONSTOP
}

TEST_F(EnumProcessesNTFailures, WhatCannotBeExaminedIsSkippedSilentlyAndAnUnreadablePathIsEmpty)
{
    const HelperProcess unopenable({module}), unlistable({module}), unreadable({module}), examined({module});
    api.unopenable = unopenable.Id();
    api.unlistable = unlistable.Id();
    api.unreadable = unreadable.Id();

    EXPECT_EQ(SearchRows(L"nt_xq17.dll"),
              (std::multiset<Row>{{examined.Id(), L"vennick_test_helper.exe", L"---", module, examined.Program()}}))
        << "a handle listed twice counts once";
    EXPECT_TRUE(boxes.shown.empty());
    // Unreadable paths match the empty specification only: a row a module, paths empty.
    const std::multiset<Row> all = SearchRows(L"");
    const auto rowsOf = [&](DWORD id) {
        return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [&](auto& row) { return std::get<0>(row) == id; }));
    };
    EXPECT_EQ(rowsOf(unreadable.Id()), rowsOf(examined.Id()));
    EXPECT_EQ(all.count({unreadable.Id(), L"", L"---", L"", L""}), rowsOf(unreadable.Id()));
}
