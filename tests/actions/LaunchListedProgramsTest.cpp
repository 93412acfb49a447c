// "Запустить" against real programs: copies of the test helper, started through the
// shell and then found by a search.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    const std::wstring b = folder.Copy(HelperProgramPath(), L"sub\\launch_b_xq14.exe");
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
    EXPECT_EQ(boxes.shown[0].text, L"Вы действительно хотите перезапустить перечисленные программы? Если они не были "
                                   L"завершены ранее, то они будут запущены повтороно!");
    EXPECT_EQ(boxes.shown[0].style, 49u);
    Sleep(500);
    EXPECT_TRUE(ProcessesRunning(a).empty());
    EXPECT_TRUE(feedback.events.empty());
}

TEST_F(LaunchListedPrograms, EveryRowStartsItsProgramInItsFolderButNeverThisProgram)
{
    const std::wstring self = qsGetEXEModuleFullFileName();
    const std::size_t before = ProcessesRunning(self).size();
    const std::wstring missing = folder.Path() + L"\\missing_xq14.exe";
    for (const std::wstring& program : {missing, a, ToUpperCase(self), b, self, a}) AddRow(program);

    cmdLaunch_Click(rows, nullptr);

    EXPECT_TRUE(WaitForProcessCount(a, 2, 10'000)) << "two rows with the same path: two starts";
    EXPECT_TRUE(WaitForProcessCount(b, 1, 10'000));
    EXPECT_EQ(ProcessesRunning(self).size(), before);
    ASSERT_EQ(boxes.shown.size(), 2u) << "the confirmation and the missing program";
    EXPECT_EQ(boxes.shown[1].text, missing + L"\r\n\r\nНе удаётся запустить программу.");
    EXPECT_EQ(boxes.shown[1].style, 16u);
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
    // The started helper writes down its working folder: it must be the program's own.
    std::string written;
    for (int attempt = 0; attempt < 50 && written.empty(); ++attempt, Sleep(100)) {
        std::ifstream file(std::filesystem::path(b + L".cwd"), std::ios::binary);
        written.assign(std::istreambuf_iterator<char>(file), {});
    }
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(written.data()), written.size() / sizeof(wchar_t)),
              folder.Path() + L"\\sub");
}
