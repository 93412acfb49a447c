// "Сохранить BAT": the file's bytes, the dialog and the remembered folder, with the
// dialog and the message boxes answered through their seams. Runs under the Russian
// locale (ANSI 1251, OEM 866).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "actions/ActionTexts.h"
#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "fixtures/TestFiles.h"
#include "platform/component/FileWriter.h"
#include "platform/component/SettingsStore.h"
#include "platform/support/CodePages.h"
#include "platform/support/FileNameOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/win/Registry.h"
#include "platform/win/SystemError.h"
#include "search/MemoryResultsList.h"
#include "search/modPackProcessInfo.h"

namespace {

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

int FilesIn(const std::wstring& folder)
{
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<int>(std::count_if(begin(entries), end(entries), [](auto& e) { return e.is_regular_file(); }));
}

// Writes half of what it is given, then fails as a full disk does.
class HalfWrite final : public SeamFake<FileWrites> {
public:
    bool Write(HANDLE file, const char* bytes, DWORD count, DWORD& written) override
    {
        Seam<FileWrites>::Default().Write(file, bytes, count / 2, written);
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
};

std::optional<std::wstring> StoredLastFolder()
{
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, SettingsStore::KeyPath(L""));
    if (!key) return std::nullopt;
    return ReadRegistryString(key.get(), L"Last Save BAT Path");
}

class SaveRestartBatch : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsStore::KeyPath(L"").c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsStore::KeyPath(L"").c_str()); }

    void AddRow(const std::wstring& program)
    {
        const int row = rows.AddRow(qsGetFileName(program));
        rows.SetTag(row, PackProcessInfo(row, program));
    }

    // Saves to `file` (the dialog's answer) and returns what the file then holds.
    std::string SaveTo(const std::wstring& file)
    {
        dialogs.answers.push_back(file);
        cmdSaveBAT_Click(rows, nullptr);
        return ReadBytes(file);
    }

    RecordingMessageBoxes boxes;
    RecordingFeedback feedback;
    FakeSaveDialogs dialogs;
    ScratchFolder folder;
    MemoryResultsList rows;
};

}  // namespace

TEST_F(SaveRestartBatch, WorkedExampleByteForByte)
{
    ASSERT_EQ(GetACP(), 1251u);
    ASSERT_EQ(GetOEMCP(), 866u);
    AddRow(L"C:\\Program Files\\Editor\\editor.exe");
    AddRow(L"C:\\Tools\\Мой инструмент\\tool.exe");
    const std::wstring file = folder.Path() + L"\\restart.bat";

    const std::string bytes = SaveTo(file);

    const std::string tool = "C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe";
    const std::string expected = "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n"
                                 "\r\n"
                                 "  START \"C:\\Program Files\\Editor\\editor.exe\"\r\n"
                                 "  START \"" + tool + "\"\r\n"
                                 "  GOTO END\r\n"
                                 "\r\n"
                                 ":WIN_NT\r\n"
                                 "\r\n"
                                 "  START \"\" \"C:\\Program Files\\Editor\\editor.exe\"\r\n"
                                 "  START \"\" \"" + tool + "\"\r\n"
                                 "\r\n"
                                 ":END\r\n";
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), 258u);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, file + L"\r\n\r\nПакетный файл сохранён успешно.");
    EXPECT_EQ(boxes.shown[0].style, 64u);
    EXPECT_EQ(StoredLastFolder(), folder.Path());
    EXPECT_TRUE(feedback.events.empty()) << "no hourglass and no beep for the batch file";
}

TEST_F(SaveRestartBatch, RowCountsAndRepeatedPaths)
{
    EXPECT_EQ(SaveTo(folder.Path() + L"\\none.bat").size(), 72u) << "no rows: the eight fixed lines";
    AddRow(L"C:\\A\\a.exe");
    const std::string one = SaveTo(folder.Path() + L"\\one.bat");
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 10);
    AddRow(L"C:\\A\\a.exe");
    const std::string twice = SaveTo(folder.Path() + L"\\twice.bat");
    EXPECT_NE(twice.find("  START \"C:\\A\\a.exe\"\r\n  START \"C:\\A\\a.exe\"\r\n"), std::string::npos);
    EXPECT_NE(twice.find("  START \"\" \"C:\\A\\a.exe\"\r\n  START \"\" \"C:\\A\\a.exe\"\r\n"), std::string::npos);
}

TEST_F(SaveRestartBatch, PercentSignsAreDoubled)
{
    AddRow(L"C:\\100%\\run%TEMP%.exe");
    const std::string bytes = SaveTo(folder.Path() + L"\\percent.bat");
    EXPECT_NE(bytes.find("  START \"C:\\100%%\\run%%TEMP%%.exe\"\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("  START \"\" \"C:\\100%%\\run%%TEMP%%.exe\"\r\n"), std::string::npos);
}

TEST_F(SaveRestartBatch, APathTheOemCodePageLacksIsWrittenInItsShortForm)
{
    const std::wstring program = folder.Copy(HelperProgramPath(), L"工具\\tool.exe");
    const std::wstring shortForm = qsGetShortFileName(program);
    ASSERT_FALSE(shortForm.empty());
    const std::optional<std::string> oem = qsAnsiToOem(shortForm);
    ASSERT_TRUE(oem) << "the short form is in plain letters";
    AddRow(program);

    const std::string bytes = SaveTo(folder.Path() + L"\\short.bat");

    EXPECT_NE(bytes.find("  START \"" + *oem + "\"\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find('?'), std::string::npos) << "no replacement characters";
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(SaveRestartBatch, APathWithoutAnyFormTheCodePageHoldsFailsTheSave)
{
    const std::wstring file = folder.Path() + L"\\lost.bat";
    WriteBytes(file, "old text");
    const std::wstring program = L"C:\\不存在\\tool.exe";
    AddRow(program);

    SaveTo(file);

    EXPECT_EQ(ReadBytes(file), "old text");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, action_texts::SaveFailure(file) + L"\r\n\r\n" +
                                       action_texts::UnrepresentablePath(program, GetOEMCP()));
    EXPECT_EQ(boxes.shown[0].style, 16u);
}

TEST_F(SaveRestartBatch, SavingOverAFileLeavesExactlyTheNewText)
{
    const std::wstring file = folder.Path() + L"\\over.bat";
    WriteBytes(file, std::string(4096, 'x'));
    EXPECT_EQ(SaveTo(file).size(), 72u);
    EXPECT_EQ(FilesIn(folder.Path()), 1) << "no temporary file is left";
}

TEST_F(SaveRestartBatch, AWriteThatFailsHalfwayLeavesTheOldFileAndNoOther)
{
    AddRow(L"C:\\A\\a.exe");
    const std::wstring file = folder.Path() + L"\\half.bat";
    WriteBytes(file, "old text");
    HalfWrite failing;

    SaveTo(file);

    EXPECT_EQ(ReadBytes(file), "old text");
    EXPECT_EQ(FilesIn(folder.Path()), 1) << "no temporary file is left";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              action_texts::SaveFailure(file) + L"\r\n\r\nWriteFile: " + SystemErrorDescription(ERROR_DISK_FULL));
}

TEST_F(SaveRestartBatch, AFailedWriteIsReportedAndLeavesTheOldFile)
{
    AddRow(L"C:\\A\\a.exe");
    const std::wstring readOnly = folder.Path() + L"\\locked.bat";
    WriteBytes(readOnly, "old text");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);

    SaveTo(readOnly);

    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(readOnly), "old text");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::wstring expectedStart = action_texts::SaveFailure(readOnly) + L"\r\n\r\n";
    EXPECT_EQ(boxes.shown[0].text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_GT(boxes.shown[0].text.size(), expectedStart.size()) << "with the error's details";
    EXPECT_EQ(boxes.shown[0].style, 16u);
    EXPECT_EQ(StoredLastFolder(), folder.Path()) << "the folder is remembered all the same";

    const std::wstring vanished = folder.Path() + L"\\vanished\\restart.bat";
    SaveTo(vanished);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text.substr(0, vanished.size()), vanished);
    EXPECT_EQ(StoredLastFolder(), folder.Path() + L"\\vanished");
}

TEST_F(SaveRestartBatch, CancelWritesNothingAndStoresNothing)
{
    AddRow(L"C:\\A\\a.exe");
    cmdSaveBAT_Click(rows, nullptr);  // the dialog answers Cancel
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(StoredLastFolder());
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST_F(SaveRestartBatch, TheDialogOpensInTheCurrentDirectoryFirstThenInTheFolderUsedLast)
{
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    dialogs.answers = {folder.Path() + L"\\first.bat", std::nullopt};
    cmdSaveBAT_Click(rows, owner);
    cmdSaveBAT_Click(rows, owner);

    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].initialFolder, CurrentDirectory());
    EXPECT_EQ(dialogs.requests[1].initialFolder, folder.Path());
    for (const SaveDialogRequest& request : dialogs.requests) {
        EXPECT_EQ(request.defaultExt, L"BAT");
        EXPECT_EQ(request.filter, L"Пакетные файлы|*.BAT;*.CMD|Все файлы|*.*");
        EXPECT_EQ(request.owner, owner);
    }
}
