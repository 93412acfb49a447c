// "Сохранить BAT" on real files, with the dialog and the message boxes answered through
// their seams, under the Russian locale (ANSI 1251, OEM 866).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "platform/component/FileWriter.h"
#include "platform/win/Registry.h"
#include "platform/win/SystemError.h"

namespace {

constexpr const wchar_t* kCannotSave = L"\r\n\r\nНе удаётся сохранить пакетный файл.\r\n\r\n";

void WriteBytes(const std::wstring& path, const std::string& bytes) { std::ofstream(std::filesystem::path(path)) << bytes; }

int FilesIn(const std::wstring& folder)
{
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<int>(std::count_if(begin(entries), end(entries), [](auto& e) { return e.is_regular_file(); }));
}

// Writes half of what it is given, then fails as a full disk does; notes which file.
class HalfWrite final : public SeamFake<FileWrites> {
public:
    bool Write(HANDLE file, const char* bytes, DWORD count, DWORD& written) override
    {
        GetFinalPathNameByHandleW(file, writtenTo, MAX_PATH * 4, 0);
        real().Write(file, bytes, count / 2, written);
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    wchar_t writtenTo[MAX_PATH * 4] = {};
};

class SaveRestartBatch : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick"); }
    void TearDown() override { SetUp(); }

    // The folder the program keeps for the next save's dialog.
    std::optional<std::wstring> RememberedFolder() const
    {
        const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick");
        return key ? ReadRegistryString(key.get(), L"Last Save BAT Path") : std::nullopt;
    }
    // Saves to `file`, the dialog's answer; what the file then holds.
    std::string SaveTo(const std::wstring& file, HWND owner = nullptr)
    {
        dialogs.answers.push_back(file);
        cmdSaveBAT_Click(rows, owner);
        return ReadBytes(file);
    }

    RecordingMessageBoxes boxes;
    RecordingFeedback feedback;
    FakeSaveDialogs dialogs;
    ScratchFolder folder;
    MemoryResultsList rows;
};

}  // namespace

TEST_F(SaveRestartBatch, ReplacesTheOldFileWithOemTextOrShortPathsAndTheNextDialogOpensInItsFolder)
{
    AddRow(rows, 1, L"C:\\Tools\\Мой инструмент\\tool.exe");
    // ō has no place in code page 866, nor may it turn into its look-alike o.
    const std::wstring program = folder.Copy(HelperProgramPath(), L"Tōkyō\\tool.exe");
    wchar_t shortForm[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(program.c_str(), shortForm, MAX_PATH), 0u);
    AddRow(rows, 2, program);
    const std::wstring file = folder.Path() + L"\\restart.bat";
    WriteBytes(file, std::string(4096, '#'));
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    dialogs.answers = {std::nullopt};
    cmdSaveBAT_Click(rows, owner);
    EXPECT_FALSE(RememberedFolder()) << "Cancel does nothing";

    const std::string text = SaveTo(file, owner);
    EXPECT_NE(text.find("  START \"\" \"C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe\"\r\n"),
              std::string::npos) << "in code page 866";
    const std::string shortLine = "  START \"\" \"" + std::string(shortForm, shortForm + wcslen(shortForm)) + "\"\r\n";
    EXPECT_NE(text.find(shortLine), std::string::npos) << "the short form is in plain letters";
    EXPECT_EQ(text.find('#'), std::string::npos) << "nothing of the longer old file is left";
    EXPECT_EQ(FilesIn(folder.Path()), 1) << "no temporary file is left";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, file + L"\r\n\r\nПакетный файл сохранён успешно.");
    EXPECT_EQ(boxes.shown[0].style, 64u);  // MB_ICONINFORMATION
    EXPECT_TRUE(feedback.events.empty()) << "no hourglass and no beep for the batch file";
    EXPECT_EQ(RememberedFolder(), folder.Path());

    cmdSaveBAT_Click(rows, owner);  // cancelled: the script has run out
    ASSERT_EQ(dialogs.requests.size(), 3u);
    EXPECT_EQ(dialogs.requests[1].initialFolder, std::filesystem::current_path().wstring());
    EXPECT_EQ(dialogs.requests[2].initialFolder, folder.Path());
    EXPECT_EQ(dialogs.requests[2].owner, owner);
    EXPECT_EQ(dialogs.requests[2].filter, L"Пакетные файлы|*.BAT;*.CMD|Все файлы|*.*");
}

TEST_F(SaveRestartBatch, AFailedSaveIsReportedAndLeavesTheOldFileAndNoOther)
{
    AddRow(rows, 1, L"C:\\A\\a.exe");
    const std::wstring half = folder.Path() + L"\\half.bat", locked = folder.Path() + L"\\locked.bat";
    const std::wstring vanished = folder.Path() + L"\\vanished\\restart.bat";
    for (const std::wstring& file : {half, locked}) WriteBytes(file, "old text");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    HalfWrite failing;

    EXPECT_EQ(SaveTo(half), "old text");
    EXPECT_EQ(std::wstring(failing.writtenTo).rfind(L"\\\\?\\" + folder.Path() + L"\\", 0), 0u) << "first a file beside it";
    EXPECT_EQ(std::wstring(failing.writtenTo).find(L"half.bat"), std::wstring::npos);
    EXPECT_EQ(SaveTo(locked), "old text");
    SaveTo(vanished);
    AddRow(rows, 2, L"C:\\不存在\\tool.exe");  // no such file: no short form
    EXPECT_EQ(SaveTo(half), "old text");

    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FilesIn(folder.Path()), 2) << "no temporary file is left";
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[0].text, half + kCannotSave + L"WriteFile: " + SystemErrorDescription(ERROR_DISK_FULL));
    EXPECT_EQ(boxes.shown[1].text, locked + kCannotSave + L"WriteTextFile: " + SystemErrorDescription(ERROR_ACCESS_DENIED));
    EXPECT_EQ(boxes.shown[2].text.rfind(vanished + kCannotSave, 0), 0u) << "with the error's details";
    EXPECT_EQ(boxes.shown[3].text, half + kCannotSave + L"Путь программы нельзя записать в кодовой странице 866, а "
                                                        L"короткого имени у него нет: C:\\不存在\\tool.exe");
    EXPECT_EQ(boxes.shown[3].style, 16u);  // MB_ICONSTOP
    EXPECT_EQ(RememberedFolder(), folder.Path()) << "the folder is remembered all the same";
}
