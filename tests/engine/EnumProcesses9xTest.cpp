// The 9x family's enumerator, taken through the host seam, against real helper
// processes; its failures through a tool-help fake that changes only them.
#include <gtest/gtest.h>

#include <set>

#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "platform/support/FileNameOperations.h"
#include "platform/win/SystemError.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"
#include "search/modPackProcessInfo.h"

namespace {

class EnumProcesses9x : public ::testing::Test {
protected:
    EnumProcesses9x() { host.win9x = true; }

    MemoryResultsList Search(const std::wstring& spec, bool partial = false)
    {
        MemoryResultsList rows;
        SearchModule(rows, spec, partial);
        return rows;
    }

    FakeHost host;
    RecordingMessageBoxes boxes;
    ScratchFolder folder;
};

}  // namespace

TEST_F(EnumProcesses9x, RowsAsOnTheNtPathWithTheProgramPathTheSnapshotGives)
{
    const std::wstring a = folder.AddModule(ModuleKind::Version5_1_0_2600, L"lib_xq16\\nine_a_xq16.dll");
    const std::wstring b = folder.AddModule(ModuleKind::NoVersion, L"lib_xq16\\nine_b_xq16.dll");
    HelperProcess twoModules({a, b});
    HelperProcess oneModule({a});
    HelperProcess failing({a});
    ScriptedToolHelp toolHelp;
    toolHelp.moduleSnapshotFailsFor = failing.Id();  // missing from the list, without a word
    const UniqueLibrary self(LoadLibraryW(b.c_str()));

    const MemoryResultsList rows = Search(L"\\LIB_XQ16\\", true);

    // On the NT family a process record names the program's file only; its full form
    // is taken against the current directory.
    const std::wstring helper = qsGetFullFileName(L"vennick_test_helper.exe");
    std::multiset<std::wstring> found;
    for (int row = 1; row <= rows.RowCount(); ++row) {
        found.insert(rows.Tag(row) + L" " + rows.SubItem(row, 1) + L" " + rows.SubItem(row, 2));
    }
    const auto key = [](DWORD id, const std::wstring& program) { return PackProcessInfo(static_cast<std::int32_t>(id), program); };
    EXPECT_EQ(found, (std::multiset<std::wstring>{
                         key(twoModules.Id(), helper) + L" 5.1.2600 " + a, key(twoModules.Id(), helper) + L" --- " + b,
                         key(oneModule.Id(), helper) + L" 5.1.2600 " + a,
                         key(GetCurrentProcessId(), qsGetFullFileName(L"engine_tests.exe")) + L" --- " + b}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EnumProcesses9x, AFailedProcessSnapshotIsReportedWithItsErrorCode)
{
    ScriptedToolHelp toolHelp;
    toolHelp.processSnapshotFails = true;

    EXPECT_EQ(Search(L"").RowCount(), 0);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              L"Can't create Tool Help process snapshot.\r\n\r\n" + SystemErrorDescription(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(boxes.shown[0].style, 16u);
}
