// "Сохранить BAT": the file's bytes, the dialog and the remembered folder, with the
// dialog and the message boxes answered through their seams. Runs under the Russian
// locale (ANSI 1251, OEM 866).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/RecordingMessageBoxes.h"
#include "fixtures/TestFiles.h"
#include "platform/component/FileWriter.h"
#include "platform/component/SettingsStore.h"
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

TEST_F(SaveRestartBatch, OverAnOldFileTheOemTextOfTheListAndTheFolderIsRemembered)
{
    ASSERT_EQ(GetOEMCP(), 866u);
    AddRow(L"C:\\Tools\\Мой инструмент\\tool.exe");
    AddRow(L"C:\\100%\\run%TEMP%.exe");
    const std::wstring file = folder.Path() + L"\\restart.bat";
    WriteBytes(file, std::string(4096, 'x'));

    EXPECT_EQ(SaveTo(file), "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n\r\n"
                            "  START \"C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe\"\r\n"
                            "  START \"C:\\100%%\\run%%TEMP%%.exe\"\r\n"
                            "  GOTO END\r\n\r\n:WIN_NT\r\n\r\n"
                            "  START \"\" \"C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe\"\r\n"
                            "  START \"\" \"C:\\100%%\\run%%TEMP%%.exe\"\r\n"
                            "\r\n:END\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), 1) << "no temporary file is left";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, file + L"\r\n\r\nПакетный файл сохранён успешно.");
    EXPECT_EQ(boxes.shown[0].style, 64u);
    EXPECT_EQ(StoredLastFolder(), folder.Path());
    EXPECT_TRUE(feedback.events.empty()) << "no hourglass and no beep for the batch file";
}

TEST_F(SaveRestartBatch, APathTheOemCodePageLacksIsWrittenInItsShortFormOrFailsTheSave)
{
    const std::wstring program = folder.Copy(HelperProgramPath(), L"工具\\tool.exe");
    const std::wstring shortForm = qsGetShortFileName(program);
    ASSERT_FALSE(shortForm.empty());
    AddRow(program);
    const std::string bytes = SaveTo(folder.Path() + L"\\short.bat");
    EXPECT_NE(bytes.find("  START \"" + std::string(shortForm.begin(), shortForm.end()) + "\"\r\n"), std::string::npos)
        << "the short form is in plain letters";

    const std::wstring file = folder.Path() + L"\\lost.bat";
    WriteBytes(file, "old text");
    AddRow(L"C:\\不存在\\tool.exe");  // no such file: no short form
    SaveTo(file);
    EXPECT_EQ(ReadBytes(file), "old text");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, file + L"\r\n\r\nНе удаётся сохранить пакетный файл.\r\n\r\nПуть программы нельзя "
                                          L"записать в кодовой странице 866, а короткого имени у него нет: C:\\不存在\\tool.exe");
    EXPECT_EQ(boxes.shown[1].style, 16u);
}

TEST_F(SaveRestartBatch, AFailedWriteIsReportedAndLeavesTheOldFileAndNoOther)
{
    AddRow(L"C:\\A\\a.exe");
    const std::wstring half = folder.Path() + L"\\half.bat", locked = folder.Path() + L"\\locked.bat";
    WriteBytes(half, "old text");
    WriteBytes(locked, "old text");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    {
        const HalfWrite failing;
        SaveTo(half);
    }
    SaveTo(locked);
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::wstring vanished = folder.Path() + L"\\vanished\\restart.bat";
    SaveTo(vanished);

    EXPECT_EQ(ReadBytes(half), "old text");
    EXPECT_EQ(ReadBytes(locked), "old text");
    EXPECT_EQ(FilesIn(folder.Path()), 2) << "no temporary file is left";
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, half + L"\r\n\r\nНе удаётся сохранить пакетный файл.\r\n\r\nWriteFile: " +
                                       SystemErrorDescription(ERROR_DISK_FULL));
    const std::wstring sentence = L"\r\n\r\nНе удаётся сохранить пакетный файл.\r\n\r\n";
    EXPECT_EQ(boxes.shown[1].text.rfind(locked + sentence, 0), 0u) << "with the error's details";
    EXPECT_EQ(boxes.shown[2].text.rfind(vanished + sentence, 0), 0u);
    EXPECT_EQ(boxes.shown[2].style, 16u);
    EXPECT_EQ(StoredLastFolder(), folder.Path() + L"\\vanished") << "the folder is remembered all the same";
}

TEST_F(SaveRestartBatch, TheDialogOpensInTheCurrentDirectoryFirstThenInTheFolderUsedLastAndCancelDoesNothing)
{
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    dialogs.answers = {std::nullopt, folder.Path() + L"\\first.bat", std::nullopt};
    cmdSaveBAT_Click(rows, owner);
    EXPECT_FALSE(StoredLastFolder()) << "Cancel stores nothing";
    cmdSaveBAT_Click(rows, owner);
    cmdSaveBAT_Click(rows, owner);

    ASSERT_EQ(dialogs.requests.size(), 3u);
    EXPECT_EQ(dialogs.requests[0].initialFolder, CurrentDirectory());
    EXPECT_EQ(dialogs.requests[2].initialFolder, folder.Path());
    EXPECT_EQ(boxes.shown.size(), 1u) << "only the first save's report";
    for (const SaveDialogRequest& request : dialogs.requests) {
        EXPECT_EQ(request.defaultExt, L"BAT");
        EXPECT_EQ(request.filter, L"Пакетные файлы|*.BAT;*.CMD|Все файлы|*.*");
        EXPECT_EQ(request.owner, owner);
    }
}
