// "Завершить" and "Запустить" against real processes: test helpers and copies of them.
#include <gtest/gtest.h>

#include <algorithm>

#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "platform/TextCase.h"
#include "platform/support/ProcessOperations.h"
#include "platform/win/SystemError.h"
#include "search/modMain.h"

namespace {

// The report of a process that could not be ended: its program, id and the system's error text.
std::wstring CannotEnd(const std::wstring& program, DWORD id, DWORD error)
{
    wchar_t idText[32] = {};
    swprintf(idText, 32, L"0x%08lX (%lu)", static_cast<unsigned long>(id), static_cast<unsigned long>(id));
    return program + L"\r\n\r\nНе удаётся завершить процесс с идентификатором " + idText + L".\r\n\r\n" +
           SystemErrorDescription(error);
}

class ListedProcessActions : public ::testing::Test {
protected:
    RecordingMessageBoxes boxes;
    RecordingFeedback feedback;
    FakeSaveDialogs dialogs;
    ScratchFolder folder;
    MemoryResultsList rows;
    const std::wstring self = BuildFolder() + L"actions_tests.exe";  // "the program" here
};

}  // namespace

TEST_F(ListedProcessActions, KillEndsEveryListedProcessButThisProgramAfterTheConfirmationAndReportsEachFailure)
{
    HelperProcess first({}), second({}), otherProgram({}, folder.Copy(HelperProgramPath(), L"other_xq12.exe"));
    HelperProcess sameName({}, folder.Copy(HelperProgramPath(), L"copy_xq11\\actions_tests.exe"));
    AddRow(rows, 0x3FFFFFF0, L"C:\\gone\\first.exe");
    AddRow(rows, first.Id(), ToUpperCase(first.Program()));  // the still-runs check ignores letter case
    AddRow(rows, GetCurrentProcessId(), sameName.Program());  // this program by its id (a long path is read cut)
    AddRow(rows, otherProgram.Id(), ToUpperCase(self));  // this program's file: skipped, not even examined
    AddRow(rows, sameName.Id(), sameName.Program());  // its name in another folder: another program
    AddRow(rows, second.Id(), second.Program());
    AddRow(rows, otherProgram.Id(), HelperProgramPath());  // the listed program ended; its id came back
    AddRow(rows, 0x3FFFFFE0, L"C:\\gone\\second.exe");
    boxes.answers = {IDCANCEL};
    cmdKill_Click(rows);
    EXPECT_TRUE(first.IsRunning() && boxes.shown.size() == 1 && feedback.events.empty()) << "Cancel touches nothing";

    cmdKill_Click(rows);

    EXPECT_TRUE(first.WaitForExit(0) && sameName.WaitForExit(0) && second.WaitForExit(0))
        << "each ended before the next row, and one failure does not stop the others";
    EXPECT_TRUE(otherProgram.IsRunning());
    ASSERT_EQ(boxes.shown.size(), 5u) << "skipped rows are silent";
    EXPECT_EQ(boxes.shown[1].text, L"Вы действительно хотите завершить все перечисленные программы? Все "
                                   L"несохранённые данные могут быть утеряны!");
    EXPECT_EQ(boxes.shown[1].style, 49u);  // MB_OKCANCEL | MB_ICONEXCLAMATION
    EXPECT_EQ(boxes.shown[2].text, CannotEnd(L"C:\\gone\\first.exe", 0x3FFFFFF0, ERROR_INVALID_PARAMETER));
    EXPECT_EQ(boxes.shown[3].text, CannotEnd(HelperProgramPath(), otherProgram.Id(), ERROR_NOT_FOUND));
    EXPECT_EQ(boxes.shown[4].text, CannotEnd(L"C:\\gone\\second.exe", 0x3FFFFFE0, ERROR_INVALID_PARAMETER));
    EXPECT_EQ(boxes.shown[4].style, 16u);  // MB_ICONSTOP
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
    EXPECT_FALSE(qsKillApp(static_cast<std::int32_t>(GetCurrentProcessId()), self)) << "never itself, even when asked";
}

TEST_F(ListedProcessActions, LaunchStartsEveryRowsProgramInItsFolderButNeverThisProgramAfterTheConfirmation)
{
    const std::wstring a = folder.Copy(HelperProgramPath(), L"launch_a_xq14.exe");
    const std::wstring b = folder.Copy(HelperProgramPath(), L"sub\\launch_b_xq14.exe");
    const std::wstring missing = folder.Path() + L"\\missing_xq14.exe";
    const std::size_t copiesOfSelf = SearchRows(L"\\actions_tests.exe").size();
    DWORD id = 0;
    for (const std::wstring& program : {missing, a, ToUpperCase(self), b, self, a}) AddRow(rows, id += 4, program);
    boxes.answers = {IDCANCEL};
    cmdLaunch_Click(rows, nullptr);
    EXPECT_TRUE(boxes.shown.size() == 1 && feedback.events.empty()) << "Cancel starts nothing";

    cmdLaunch_Click(rows, nullptr);

    EXPECT_EQ(WorkingFoldersOfStarts(a, 2), folder.Path() + L"\n" + folder.Path() + L"\n") << "a row, a start";
    EXPECT_EQ(WorkingFoldersOfStarts(b, 1), folder.Path() + L"\\sub\n");
    EXPECT_EQ(SearchRows(L"\\actions_tests.exe").size(), copiesOfSelf);
    ASSERT_EQ(boxes.shown.size(), 3u) << "the confirmation and the missing program";
    EXPECT_EQ(boxes.shown[1].text, L"Вы действительно хотите перезапустить перечисленные программы? Если они не были "
                                   L"завершены ранее, то они будут запущены повтороно!");
    EXPECT_EQ(boxes.shown[2].text, missing + L"\r\n\r\nНе удаётся запустить программу.");
    EXPECT_EQ(boxes.shown[2].style, 16u);  // MB_ICONSTOP
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
}

// As on a user's 64-bit Windows full of 32-bit programs, with a process on two rows.
TEST_F(ListedProcessActions, EachActsOnceOnEveryListedProcessOf64Or32Bits)
{
    const std::wstring program = folder.Copy(HelperProgramPath(), L"once_xq19.exe");
    const std::wstring program32 = folder.Copy(Helper32ProgramPath(), L"once32_xq19.exe");
    HelperProcess twoRows({folder.AddModule(ModuleKind::NoVersion, L"a_xq19.dll"),
                           folder.AddModule(ModuleKind::NoVersion, L"b_xq19.dll")}, program);
    HelperProcess wow({folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"c_xq19.dll")}, program32);
    SearchModule(rows, L"_xq19.dll", false);
    ASSERT_EQ(rows.RowCount(), 3);

    dialogs.answers = {folder.Path() + L"\\once.bat"};
    cmdSaveBAT_Click(rows, nullptr);
    cmdKill_Click(rows);
    cmdLaunch_Click(rows, nullptr);

    const std::string batch = ReadBytes(folder.Path() + L"\\once.bat");
    EXPECT_EQ(std::count(batch.begin(), batch.end(), '\n'), 12) << "two START lines in each block";
    EXPECT_TRUE(twoRows.WaitForExit(0) && wow.WaitForExit(0));
    EXPECT_EQ(WorkingFoldersOfStarts(program, 1), folder.Path() + L"\n");
    EXPECT_EQ(WorkingFoldersOfStarts(program32, 1), folder.Path() + L"\n");
    EXPECT_EQ(boxes.shown.size(), 3u) << "saved, and two confirmations: no failure";
}
