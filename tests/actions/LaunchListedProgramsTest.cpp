// "Запустить" against real programs: copies of the test helper, started through the
// shell and then found by a search.
#include <gtest/gtest.h>

#include "actions/ActionTexts.h"
#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/ProgramProcesses.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "fixtures/TestFiles.h"
#include "platform/TextCase.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "search/MemoryResultsList.h"
#include "search/modPackProcessInfo.h"

namespace {

class LaunchListedPrograms : public ::testing::Test {
protected:
    void AddRow(const std::wstring& program)
    {
        const int row = rows.AddRow(qsGetFileName(program));
        rows.SetTag(row, PackProcessInfo(row * 4, program));
    }

    RecordingMessageBoxes boxes;
    RecordingFeedback feedback;
    ScratchFolder folder;
    const std::wstring a = folder.Copy(HelperProgramPath(), L"launch_a_xq14.exe");
    const std::wstring b = folder.Copy(HelperProgramPath(), L"launch_b_xq14.exe");
    ProcessesOfProgramCleanup cleanupA{a};
    ProcessesOfProgramCleanup cleanupB{b};
    MemoryResultsList rows;
};

}  // namespace

TEST_F(LaunchListedPrograms, CancelStartsNothing)
{
    AddRow(a);
    boxes.answers = {IDCANCEL};

    cmdLaunch_Click(rows, nullptr);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, action_texts::LaunchConfirmation());
    EXPECT_EQ(boxes.shown[0].style, 49u);
    Sleep(500);
    EXPECT_TRUE(ProcessesRunning(a).empty());
    EXPECT_TRUE(feedback.events.empty());
}

TEST_F(LaunchListedPrograms, EveryRowStartsItsProgramOnceMore)
{
    AddRow(a);
    AddRow(b);
    AddRow(a);

    cmdLaunch_Click(rows, nullptr);

    EXPECT_TRUE(WaitForProcessCount(a, 2, 10'000)) << "two rows with the same path: two starts";
    EXPECT_TRUE(WaitForProcessCount(b, 1, 10'000));
    EXPECT_EQ(boxes.shown.size(), 1u) << "the confirmation only";
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
}

TEST_F(LaunchListedPrograms, TheProgramItselfIsNeverStartedAgain)
{
    const std::wstring self = qsGetEXEModuleFullFileName();
    const std::size_t before = ProcessesRunning(self).size();
    AddRow(ToUpperCase(self));
    AddRow(self);
    AddRow(a);

    cmdLaunch_Click(rows, nullptr);

    EXPECT_TRUE(WaitForProcessCount(a, 1, 10'000));
    EXPECT_EQ(ProcessesRunning(self).size(), before);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(LaunchListedPrograms, AMissingProgramIsReportedAndTheOthersStillStart)
{
    const std::wstring missing = folder.Path() + L"\\missing_xq14.exe";
    AddRow(missing);
    AddRow(a);

    cmdLaunch_Click(rows, nullptr);

    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, missing + L"\r\n\r\nНе удаётся запустить программу.");
    EXPECT_EQ(boxes.shown[1].style, 16u);
    EXPECT_TRUE(WaitForProcessCount(a, 1, 10'000));
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
}
