// The 9x family's enumerator, taken through the host seam, against real helper
// processes; its failures through a tool-help fake that changes only them.
#include <gtest/gtest.h>

#include <set>

#include "fixtures/SeamFake.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "platform/support/FileNameOperations.h"
#include "platform/win/SystemError.h"
#include "platform/win/ToolHelp.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"
#include "search/modPackProcessInfo.h"

namespace {

class FailingToolHelp final : public SeamFake<ToolHelp> {
public:
    UniqueSnapshotHandle CreateSnapshot(DWORD kind, DWORD processId) override
    {
        const bool fail = (kind & TH32CS_SNAPPROCESS) ? processSnapshotFails : processId == moduleSnapshotFailsFor;
        if (fail) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            // Both answers of a failed snapshot: 0 for the processes, invalid for the modules.
            return UniqueSnapshotHandle((kind & TH32CS_SNAPPROCESS) ? nullptr : INVALID_HANDLE_VALUE);
        }
        return real().CreateSnapshot(kind, processId);
    }
    bool FirstProcess(HANDLE s, PROCESSENTRY32W& r) override { return real().FirstProcess(s, r); }
    bool NextProcess(HANDLE s, PROCESSENTRY32W& r) override { return real().NextProcess(s, r); }
    bool FirstModule(HANDLE s, MODULEENTRY32W& r) override { return real().FirstModule(s, r); }
    bool NextModule(HANDLE s, MODULEENTRY32W& r) override { return real().NextModule(s, r); }

    bool processSnapshotFails = false;
    DWORD moduleSnapshotFailsFor = 0xFFFFFFFF;

private:
    static ToolHelp& real() { return Seam<ToolHelp>::Default(); }
};

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
    const std::wstring a = folder.AddModule(ModuleKind::Version5_1_0_2600, L"nine_a_xq16.dll");
    const std::wstring b = folder.AddModule(ModuleKind::NoVersion, L"nine_b_xq16.dll");
    HelperProcess twoModules({a, b});
    HelperProcess oneModule({a});

    const MemoryResultsList rows = Search(L"_XQ16.DLL");

    ASSERT_EQ(rows.RowCount(), 3);
    std::multiset<DWORD> ids;
    for (int row = 1; row <= 3; ++row) ids.insert(static_cast<DWORD>(UnpackProcessID(rows.Tag(row))));
    EXPECT_EQ(ids, (std::multiset<DWORD>{twoModules.Id(), twoModules.Id(), oneModule.Id()}));
    // On the NT family a process record names the program's file only; its full form
    // is taken against the current directory.
    const std::wstring program = qsGetFullFileName(L"vennick_test_helper.exe");
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(rows.Text(row), L"vennick_test_helper.exe");
        EXPECT_EQ(UnpackProcessText(rows.Tag(row)), program);
        const std::wstring module = rows.SubItem(row, 2);
        EXPECT_TRUE(module == a || module == b) << module;
        EXPECT_EQ(rows.SubItem(row, 1), module == a ? L"5.1.2600" : L"---");
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EnumProcesses9x, TheContainsTestAndTheSearchingProcessItself)
{
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"lib_xq17\\self.dll");
    const UniqueLibrary loaded(LoadLibraryW(module.c_str()));
    ASSERT_TRUE(loaded);

    const MemoryResultsList rows = Search(L"\\LIB_XQ17\\", true);

    ASSERT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(UnpackProcessID(rows.Tag(1)), static_cast<std::int32_t>(GetCurrentProcessId()));
    EXPECT_EQ(rows.SubItem(1, 2), module);
    EXPECT_EQ(rows.SubItem(1, 1), L"5.1.3.2600");
}

TEST_F(EnumProcesses9x, AProcessWhoseModuleSnapshotFailsIsMissingSilently)
{
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"nine_xq18.dll");
    HelperProcess failing({module});
    HelperProcess listed({module});
    FailingToolHelp toolHelp;
    toolHelp.moduleSnapshotFailsFor = failing.Id();

    const MemoryResultsList rows = Search(L"nine_xq18.dll");

    ASSERT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(UnpackProcessID(rows.Tag(1)), static_cast<std::int32_t>(listed.Id()));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EnumProcesses9x, AFailedProcessSnapshotIsReportedWithItsErrorCode)
{
    FailingToolHelp toolHelp;
    toolHelp.processSnapshotFails = true;

    EXPECT_EQ(Search(L"").RowCount(), 0);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              L"Can't create Tool Help process snapshot.\r\n\r\n" + SystemErrorDescription(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(boxes.shown[0].style, 16u);
}
