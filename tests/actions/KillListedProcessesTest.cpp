// "Завершить" against real processes: test helpers and running copies of this test
// program, which stands for "the program" here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/MainWindowHarness.h"
#include "fixtures/ProgramProcesses.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "platform/TextCase.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/win/ProcessStatus.h"
#include "platform/win/SystemError.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"
#include "search/modPackProcessInfo.h"

namespace {

void AddRow(MemoryResultsList& rows, DWORD processId, const std::wstring& program)
{
    const int row = rows.AddRow(qsGetFileName(program));
    rows.SetTag(row, PackProcessInfo(static_cast<std::int32_t>(processId), program));
}

// The report shows the path, an empty line, the sentence with the id, and the system's text.
std::wstring ReportOf(const std::wstring& program, const std::wstring& idText, DWORD error)
{
    return program + L"\r\n\r\nНе удаётся завершить процесс с идентификатором " + idText + L".\r\n\r\n" +
           SystemErrorDescription(error);
}

std::wstring IdText(DWORD id) { return qsHexEx4(static_cast<std::int32_t>(id)).substr(1); }

class KillListedProcesses : public ::testing::Test {
protected:
    RecordingMessageBoxes boxes;
    RecordingFeedback feedback;
    ScratchFolder folder;
};

class ListedProcessActions : public KillListedProcesses {
protected:
    FakeSaveDialogs dialogs;
};

// Process-status calls that fail as some do: with the last error left at 0.
class SilentlyFailingProcessStatus final : public PassThroughProcessStatus {
public:
    UniqueHandle OpenProcess(DWORD access, DWORD processId) override
    {
        SetLastError(ERROR_SUCCESS);
        return openFails ? UniqueHandle() : real().OpenProcess(access, processId);
    }
    bool ListModules(HANDLE, HMODULE*, DWORD, DWORD*) override
    {
        SetLastError(ERROR_SUCCESS);
        return false;
    }
    bool openFails = true;
};

}  // namespace

TEST_F(KillListedProcesses, CancelTouchesNothing)
{
    HelperProcess helper({});
    MemoryResultsList rows;
    AddRow(rows, helper.Id(), helper.Program());
    boxes.answers = {IDCANCEL};

    cmdKill_Click(rows);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Вы действительно хотите завершить все перечисленные программы? Все "
                                   L"несохранённые данные могут быть утеряны!");
    EXPECT_EQ(boxes.shown[0].style, 49u);
    EXPECT_TRUE(helper.IsRunning());
    EXPECT_TRUE(feedback.events.empty()) << "no hourglass, no beep";
}

TEST_F(KillListedProcesses, EveryListedProcessEndsAndEachFailureIsReportedInRowOrder)
{
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"kill_xq10.dll");
    HelperProcess first({module});
    HelperProcess second({module});
    const std::wstring other = folder.Copy(HelperProgramPath(), L"other_xq12.exe");
    HelperProcess otherProgram({}, other);
    MemoryResultsList rows;
    AddRow(rows, 0x3FFFFFF0, L"C:\\gone\\first.exe");
    SearchModule(rows, L"kill_xq10.dll", false);
    AddRow(rows, otherProgram.Id(), HelperProgramPath());  // the listed program ended; its id came back
    AddRow(rows, 0x3FFFFFE0, L"C:\\gone\\second.exe");
    ASSERT_EQ(rows.RowCount(), 5);
    // The check that a process still runs the listed program ignores letter case.
    rows.SetTag(2, PackProcessInfo(UnpackProcessID(rows.Tag(2)), ToUpperCase(UnpackProcessText(rows.Tag(2)))));

    cmdKill_Click(rows);

    EXPECT_TRUE(first.WaitForExit(5'000)) << "one failure does not stop the others";
    EXPECT_TRUE(second.WaitForExit(5'000));
    EXPECT_TRUE(otherProgram.IsRunning());
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[1].text, ReportOf(L"C:\\gone\\first.exe", L"0x3FFFFFF0 (1073741808)", ERROR_INVALID_PARAMETER));
    EXPECT_EQ(boxes.shown[2].text, ReportOf(HelperProgramPath(), IdText(otherProgram.Id()), ERROR_NOT_FOUND));
    EXPECT_EQ(boxes.shown[3].text, ReportOf(L"C:\\gone\\second.exe", L"0x3FFFFFE0 (1073741792)", ERROR_INVALID_PARAMETER));
    EXPECT_EQ(boxes.shown[3].style, 16u);
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
}

TEST_F(KillListedProcesses, TheProgramItselfAndCopiesFromItsFileAreSkipped)
{
    const std::wstring self = qsGetEXEModuleFullFileName();
    HelperProcess sameFile({}, self);
    const std::wstring elsewhere = folder.Copy(self, L"copy_xq11\\" + qsGetFileName(self));
    HelperProcess otherFolder({}, elsewhere);
    MemoryResultsList rows;
    AddRow(rows, GetCurrentProcessId(), self);
    AddRow(rows, sameFile.Id(), self);
    AddRow(rows, sameFile.Id(), ToUpperCase(self));
    AddRow(rows, otherFolder.Id(), elsewhere);
    AddRow(rows, GetCurrentProcessId(), elsewhere);  // its own id, whatever the path (a long one is cut)

    cmdKill_Click(rows);

    EXPECT_TRUE(sameFile.IsRunning()) << "a copy started from the program's own file";
    EXPECT_TRUE(otherFolder.WaitForExit(5'000)) << "a copy started from another folder";
    EXPECT_EQ(boxes.shown.size(), 1u) << "skipped rows are silent";
    EXPECT_FALSE(qsKillApp(static_cast<std::int32_t>(GetCurrentProcessId()), self)) << "never itself, even when asked";
}

TEST_F(ListedProcessActions, EachActsOnceOnAProcessListedOnSeveralRows)
{
    const std::wstring program = folder.Copy(HelperProgramPath(), L"twice_xq19.exe");
    const ProcessesOfProgramCleanup started(program);
    const std::wstring a = folder.AddModule(ModuleKind::NoVersion, L"a_xq19.dll");
    HelperProcess twoRows({a, folder.AddModule(ModuleKind::NoVersion, L"b_xq19.dll")}, program);
    HelperProcess sameProgram({a}, program);
    MemoryResultsList rows;
    SearchModule(rows, L"_xq19.dll", false);
    ASSERT_EQ(rows.RowCount(), 3);

    dialogs.answers = {folder.Path() + L"\\once.bat"};
    cmdSaveBAT_Click(rows, nullptr);
    std::ifstream file(std::filesystem::path(folder.Path() + L"\\once.bat"), std::ios::binary);
    const std::string batch{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(std::count(batch.begin(), batch.end(), '\n'), 12) << "two processes: two START lines in each block";
    cmdLaunch_Click(rows, nullptr);
    cmdKill_Click(rows);

    EXPECT_TRUE(twoRows.WaitForExit(5'000));
    EXPECT_TRUE(sameProgram.WaitForExit(5'000));
    EXPECT_TRUE(WaitForProcessCount(program, 2, 10'000)) << "one start a process";
    EXPECT_EQ(boxes.shown.size(), 3u) << "saved, and two confirmations: no report for a process ended";
}

TEST_F(KillListedProcesses, AFailureThatLeavesNoErrorCodeIsReportedAsOne)
{
    HelperProcess helper({});
    MemoryResultsList rows;
    AddRow(rows, helper.Id(), helper.Program());
    SilentlyFailingProcessStatus api;
    for (const auto& [openFails, error] : {std::pair{true, ERROR_ACCESS_DENIED}, {false, ERROR_PARTIAL_COPY}}) {
        api.openFails = openFails;
        boxes.shown.clear();

        cmdKill_Click(rows);

        EXPECT_TRUE(helper.IsRunning());
        ASSERT_EQ(boxes.shown.size(), 2u) << "not taken for a success";
        EXPECT_EQ(boxes.shown[1].text, ReportOf(helper.Program(), IdText(helper.Id()), error));
    }
}

class KillFromTheWindow : public MainWindowHarness {};

TEST_F(KillFromTheWindow, RowsAndButtonsStayAsTheyWere)
{
    ScratchFolder folder;
    HelperProcess helper({folder.AddModule(ModuleKind::NoVersion, L"kill_xq13.dll")});
    Open();
    SetSpecification(L"kill_xq13.dll");
    Click(Control::cmdSearch);
    ASSERT_EQ(form->lvProcesses().RowCount(), 1);

    Click(Control::cmdKill);

    EXPECT_TRUE(helper.WaitForExit(5'000));
    EXPECT_EQ(form->lvProcesses().RowCount(), 1);
    for (Control button : {Control::cmdKill, Control::cmdLaunch, Control::cmdSaveBAT}) EXPECT_TRUE(IsEnabled(button));
}
