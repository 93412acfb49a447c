// The three actions on a 32-bit process found by the 64-bit search, as on a user's
// 64-bit Windows full of 32-bit programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/ProgramProcesses.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"

TEST(ThirtyTwoBitProcess, IsWrittenToTheBatchFileTerminatedAndStartedAgain)
{
    RecordingMessageBoxes boxes;
    RecordingFeedback feedback;
    FakeSaveDialogs dialogs;
    ScratchFolder folder(L"wow_xq22");
    const std::wstring program = folder.Copy(Helper32ProgramPath(), L"wow_xq22.exe");
    const ProcessesOfProgramCleanup cleanup(program);
    HelperProcess helper({}, program);
    MemoryResultsList rows;
    SearchModule(rows, L"\\wow_xq22.exe", false);
    ASSERT_EQ(rows.RowCount(), 1);

    const std::wstring batch = folder.Path() + L"\\restart.bat";
    dialogs.answers.push_back(batch);
    cmdSaveBAT_Click(rows, nullptr);
    std::ifstream file(std::filesystem::path(batch), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string path(program.begin(), program.end());  // the scratch folder's path is ASCII
    EXPECT_NE(text.find("\r\n  START \"" + path + "\"\r\n  GOTO END\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n  START \"\" \"" + path + "\"\r\n\r\n:END\r\n"), std::string::npos) << text;

    cmdKill_Click(rows);
    EXPECT_TRUE(helper.WaitForExit(5'000));
    cmdLaunch_Click(rows, nullptr);
    EXPECT_TRUE(WaitForProcessCount(program, 1, 10'000));
    EXPECT_EQ(boxes.shown.size(), 3u) << "the save report and the two confirmations, no failure";
}
