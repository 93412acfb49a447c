// The three actions on real processes (test helpers) and real files, under the Russian locale (ANSI 1251, OEM 866).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <atomic>
#include <map>
#include <thread>

#include "actions/ListedProcessActions.h"
#include "fixtures/FakeSeams.h"
#include "fixtures/HelperProcess.h"
#include "platform/text/TextCase.h"
#include "platform/files/FileWrite.h"
#include "platform/text/CodePages.h"
#include "platform/processes/OwnProcess.h"
#include "platform/processes/ProcessControl.h"
#include "platform/registry/Registry.h"
#include "platform/registry/SettingsStore.h"
#include "platform/services/ServiceManager.h"
#include "platform/SystemError.h"
#include "search/ModuleSearch.h"

namespace {

std::wstring IdText(DWORD id)
{
    wchar_t text[32] = {};
    swprintf(text, 32, L"0x%08lX (%lu)", static_cast<unsigned long>(id), static_cast<unsigned long>(id));
    return text;
}

// The report of a process that could not be ended: its program, id and the system's text.
std::wstring CannotEnd(const std::wstring& program, DWORD id, const std::wstring& systemText)
{
    return program + L"\r\n\r\nНе удаётся завершить процесс с идентификатором " + IdText(id) + L".\r\n\r\n" + systemText;
}

// The report of a process terminate leaves alone, and why.
std::wstring LeftAlone(const std::wstring& program, DWORD id, const std::wstring& why)
{
    return program + L"\r\n\r\nПроцесс с идентификатором " + IdText(id) + L" не завершён: " + why;
}

std::uint64_t StartOf(DWORD id)
{
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(UniqueHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id)).get(), &created, &exited,
                    &kernel, &user);
    return (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

// The real calls, but a process marked critical and one that outlives its termination.
class ScriptedProcessControl final : public SeamFake<ProcessControl> {
public:
    bool IsCritical(HANDLE process) override { return GetProcessId(process) == critical || real().IsCritical(process); }
    DWORD CriticalCheckAccess() override { return checkAccess.value_or(real().CriticalCheckAccess()); }
    bool Terminate(HANDLE process) override { return GetProcessId(process) == undying || real().Terminate(process); }
    bool HasEnded(HANDLE process) override { return GetProcessId(process) != undying && real().HasEnded(process); }
    // The undying process's time passes at once.
    DWORD WaitForEndOrMessages(const HANDLE* processes, DWORD count, DWORD ms) override
    {
        const DWORD result = real().WaitForEndOrMessages(processes, count, std::min<DWORD>(ms, 100));
        if (result == WAIT_TIMEOUT) now += ms;
        return result;
    }
    DWORD critical = 0, undying = 0;
    std::optional<DWORD> checkAccess;  // as a system with IsProcessCritical answers
    std::atomic<ULONGLONG> now{0};
    SkippingClock clock{now};
};

void WriteBytes(const std::wstring& path, const std::string& bytes) { std::ofstream(std::filesystem::path(path)) << bytes; }

// Writes of half the text, as on a full disk; ReplaceFile failing halfway, the old file gone (or moved to the backup).
class FailingFileWrites final : public SeamFake<FileWrites> {
public:
    bool Write(HANDLE file, const char* bytes, DWORD count, DWORD& written) override
    {
        if (!halfWrite) return real().Write(file, bytes, count, written);
        GetFinalPathNameByHandleW(file, writtenTo, MAX_PATH * 4, 0);
        real().Write(file, bytes, count / 2, written);
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) override
    {
        if (error == 0) return real().Replace(target, replacement, backup);
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) MoveFileW(target.c_str(), backup.c_str());
        else DeleteFileW(target.c_str());
        if (thirdProgram) WriteBytes(target, "a third program's");
        SetLastError(error);
        return false;
    }
    bool Move(const std::wstring& from, const std::wstring& to) override
    {
        if (moveWorks) return real().Move(from, to);
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    bool halfWrite = false, moveWorks = true, thirdProgram = false;  // a file put at the target meanwhile
    DWORD error = 0;  // of ReplaceFile; none: the real one
    wchar_t writtenTo[MAX_PATH * 4] = {};
};

constexpr const wchar_t* kCannotSave = L"\r\n\r\nНе удаётся сохранить пакетный файл.\r\n\r\n";


int FilesIn(const std::wstring& folder)
{
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<int>(std::count_if(begin(entries), end(entries), [](auto& e) { return e.is_regular_file(); }));
}

class ListedProcessActions : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick"); }
    void TearDown() override { SetUp(); }

    std::optional<std::wstring> RememberedFolder() const
    {
        const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick");
        return key ? ReadRegistryString(key.get(), L"Last Save BAT Path") : std::nullopt;
    }
    // What the file holds once saved to.
    std::string SaveTo(const std::wstring& file)
    {
        dialogs.answers.push_back(file);
        SaveRestartBatch(rows, nullptr);
        return ReadBytes(file);
    }

    ObservedMessageBoxes boxes;
    RecordingFeedback feedback;
    FakeSaveDialogs dialogs;
    ScratchFolder folder;
    MemoryResultsList rows;
    const std::wstring self = BuildFolder() + L"actions_tests.exe";  // "the program" here
};

}  // namespace

TEST_F(ListedProcessActions, SaveReplacesTheOldFileWithOemTextOrShortPathsAndTheNextDialogOpensInItsFolder)
{
    AddRow(rows, 1, L"C:\\Tools\\Мой инструмент\\tool.exe");
    // ō has no place in code page 866, nor may it turn into its look-alike o.
    const std::wstring program = folder.Copy(HelperProgramPath(), L"Tōkyō\\tool.exe");
    wchar_t shortForm[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(program.c_str(), shortForm, MAX_PATH), 0u);
    AddRow(rows, 2, program);
    const std::wstring file = folder.Path() + L"\\restart.bat";
    WriteBytes(file, std::string(4096, '#'));
    dialogs.answers = {std::nullopt};
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path() + L"\\Tōkyō");
    SaveRestartBatch(rows, nullptr);
    std::filesystem::current_path(started);
    EXPECT_EQ(dialogs.requests[0].initialFolder, folder.Path() + L"\\Tōkyō") << "first in the current folder";
    EXPECT_FALSE(RememberedFolder()) << "Cancel does nothing";

    const std::string text = SaveTo(file);
    EXPECT_NE(text.find("  START \"\" \"C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe\"\r\n"),
              std::string::npos) << "in code page 866";
    const std::string shortLine = "  START \"\" \"" + std::string(shortForm, shortForm + wcslen(shortForm)) + "\"\r\n";
    EXPECT_NE(text.find(shortLine), std::string::npos) << "the short form is in plain letters";
    EXPECT_EQ(text.find('#'), std::string::npos) << "nothing of the longer old file is left";
    EXPECT_EQ(FilesIn(folder.Path()), 1) << "no temporary file is left";
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(feedback.events.empty()) << "no hourglass and no beep for the batch file";
    EXPECT_EQ(RememberedFolder(), folder.Path());

    EXPECT_EQ(dialogs.requests[1].filter, L"Пакетные файлы|*.BAT;*.CMD|Все файлы|*.*");
    EXPECT_EQ(dialogs.requests[1].defaultExtension, L"BAT") << "the real dialog takes the filter's extension";
}

// A key that cannot be opened for reading, as when another program has changed its rights.
class UnopenableKeys final : public SeamFake<RegistryKeys> {
public:
    UniqueHkey Open(HKEY, const std::wstring&) override { return UniqueHkey(); }
    UniqueHkey Create(HKEY root, const std::wstring& path) override { return real().Create(root, path); }
};

TEST_F(ListedProcessActions, TheFolderKeptIsTakenOnlyAsTheProgramWroteItElseTheCurrentFolder)
{
    AddRow(rows, 1, L"C:\\A\\a.exe");
    const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, L"Software\\Quorvel\\Vennick");
    const std::wstring current = std::filesystem::current_path().wstring();
    const std::wstring expandable = L"%TEMP%";
    const auto askedFolder = [&] {
        dialogs.answers = {std::nullopt};
        SaveRestartBatch(rows, nullptr);
        return dialogs.requests.back().initialFolder;
    };
    WriteRegistryString(key.get(), L"Last Save BAT Path", folder.Path());
    EXPECT_EQ(askedFolder(), folder.Path());
    {
        const UnopenableKeys unopenable;
        EXPECT_EQ(askedFolder(), current) << "a key that cannot be opened";
        EXPECT_EQ(SettingsStore().ResultsColumnWidths(3), std::vector<std::optional<int>>(3)) << "no widths either";
    }
    RegSetValueExW(key.get(), L"Last Save BAT Path", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable.c_str()),
                   static_cast<DWORD>((expandable.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(askedFolder(), current) << "not a REG_SZ";
    WriteRegistryString(key.get(), L"Last Save BAT Path", std::wstring(32'768, L'd'));
    EXPECT_EQ(askedFolder(), current) << "longer than any path";
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ListedProcessActions, AFailedSaveIsReportedAndLeavesTheOldFileAndNoOther)
{
    AddRow(rows, 1, L"C:\\A\\a.exe");
    const std::wstring half = folder.Path() + L"\\half.bat", locked = folder.Path() + L"\\locked.bat";
    const std::wstring vanished = folder.Path() + L"\\vanished\\restart.bat";
    for (const std::wstring& file : {half, locked}) WriteBytes(file, "old text");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    FailingFileWrites failing;
    failing.halfWrite = true;

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
    EXPECT_EQ(boxes.shown[0].text, half + kCannotSave + L"WriteFile: Диск полностью заполнен.");
    EXPECT_EQ(boxes.shown[1].text, locked + kCannotSave + L"WriteWholeFile: Доступ запрещён.");
    EXPECT_EQ(boxes.shown[2].text.rfind(vanished + kCannotSave, 0), 0u) << "with the error's details";
    EXPECT_EQ(boxes.shown[3].text, half + kCannotSave + L"Путь программы нельзя записать в кодовой странице 866, а "
                                                        L"короткого имени у него нет: C:\\不存在\\tool.exe");
    EXPECT_EQ(RememberedFolder(), folder.Path()) << "the folder is remembered all the same";
}

// GetTempFileName takes no folder longer than MAX_PATH - 14; the file itself fits in MAX_PATH.
TEST_F(ListedProcessActions, SavesIntoAFolderTooLongForSystemTemporaryNames)
{
    AddRow(rows, 1, L"C:\\A\\a.exe");
    const std::wstring deep = folder.Path() + L"\\" + std::wstring(250 - folder.Path().size(), L'd');
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    const std::wstring file = deep + L"\\r.bat";
    for (const std::string old : {"", "old text"}) {  // a new file, then one replaced
        if (!old.empty()) WriteBytes(file, old);
        EXPECT_EQ(SaveTo(file).substr(0, 35), "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT") << old;
    }
    EXPECT_EQ(FilesIn(deep), 1);
    EXPECT_EQ(boxes.shown.back().text, file + L"\r\n\r\nПакетный файл сохранён успешно.");
}

TEST_F(ListedProcessActions, ASaveThatFailsHalfwayKeepsTheOnlyCopiesAndSaysWhereTheyAre)
{
    AddRow(rows, 1, L"C:\\A\\a.exe");
    const std::string newText = "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n\r\n  START \"C:\\A\\a.exe\"\r\n"
                                "  GOTO END\r\n\r\n:WIN_NT\r\n\r\n  START \"\" \"C:\\A\\a.exe\"\r\n\r\n:END\r\n";
    FailingFileWrites replace;
    // the failure of ReplaceFile, whether the move after it works, a third program's file at the target meanwhile
    for (const auto& [error, moveWorks, third] : {std::tuple(ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, false),
                                                  std::tuple(ERROR_UNABLE_TO_MOVE_REPLACEMENT, false, false),
                                                  std::tuple(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, false, false),
                                                  std::tuple(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, true)}) {
        replace.error = error;
        replace.moveWorks = moveWorks;
        replace.thirdProgram = third;
        boxes.shown.clear();
        const ScratchFolder batches;
        const std::wstring file = batches.Path() + L"\\restart.bat";
        WriteBytes(file, "old text");
        SaveTo(file);
        std::map<std::string, std::wstring> left;  // what each file holds, and its path
        for (const auto& entry : std::filesystem::directory_iterator(batches.Path())) {
            left[ReadBytes(entry.path().wstring())] = entry.path().wstring();
        }
        ASSERT_EQ(boxes.shown.size(), 1u) << error;
        if (third) {  // the old file at the backup's name decides: nothing is deleted, the third's file stays
            ASSERT_EQ(left.size(), 3u);
            EXPECT_EQ(left["a third program's"], file);
            EXPECT_EQ(boxes.shown[0].text, file + kCannotSave + L"MoveFileEx: Файл уже существует." +
                                               L"\r\nНовый текст остался в файле " + left[newText] +
                                               L"\r\nПрежний файл теперь лежит в файле " + left["old text"]);
            continue;
        }
        if (moveWorks) {
            EXPECT_EQ(left, (std::map<std::string, std::wstring>{{newText, file}}));
            EXPECT_EQ(boxes.shown[0].text, file + L"\r\n\r\nПакетный файл сохранён успешно.");
            continue;
        }
        ASSERT_EQ(left.size(), error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ? 1u : 2u) << "the new text, the old file";
        ASSERT_TRUE(left.count(newText)) << "never delete the only copy";
        std::wstring expected =
            file + kCannotSave + L"MoveFileEx: Доступ запрещён.\r\nНовый текст остался в файле " + left[newText];
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            ASSERT_TRUE(left.count("old text"));
            expected += L"\r\nПрежний файл теперь лежит в файле " + left["old text"];
        }
        EXPECT_EQ(boxes.shown[0].text, expected);
    }
}

TEST_F(ListedProcessActions, TerminateEndsEveryListedProcessButThisProgramAndReportsOnlyTheProcessesThatStillRun)
{
    HelperProcess first({}), second({}), otherProgram({}, folder.Copy(HelperProgramPath(), L"other_xq12.exe"));
    HelperProcess sameName({}, folder.Copy(HelperProgramPath(), L"copy_xq11\\actions_tests.exe"));
    HelperProcess unopenable({}), unlistable({}), unreadable({}), critical({}), undying({}), ended({});
    // Refused to an open that would end them, but read with the least rights: the listed one, and two others now.
    HelperProcess locked({}), lockedLater({}), lockedOtherProgram({});
    FailingProcessQueries api;  // their failures leave no error code, as some do: failures all the same
    api.unopenable = unopenable.Id();
    api.unlistable = unlistable.Id();
    api.unreadable = unreadable.Id();
    api.unterminable = {locked.Id(), lockedLater.Id(), lockedOtherProgram.Id()};
    ScriptedProcessControl control;
    control.critical = critical.Id();
    control.undying = undying.Id();
    TerminateProcess(UniqueHandle(OpenProcess(PROCESS_TERMINATE, FALSE, ended.Id())).get(), 0);
    ASSERT_TRUE(ended.WaitForExit(5'000));  // its id stays taken while `ended` holds its handle
    AddRow(rows, 0x3FFFFFF0, L"C:\\gone\\first.exe");  // ended since the search
    AddRow(rows, first.Id(), ToUpperCase(first.Program()));  // the still-runs check ignores letter case
    AddRow(rows, GetCurrentProcessId(), L"");  // this program by its id, though its path was not read
    AddRow(rows, otherProgram.Id(), ToUpperCase(self));  // this program's file: skipped, not even examined
    AddRow(rows, sameName.Id(), sameName.Program());  // its name in another folder: another program
    AddRow(rows, second.Id(), second.Program());
    AddRow(rows, unopenable.Id(), unopenable.Program());
    AddRow(rows, unlistable.Id(), unlistable.Program());
    AddRow(rows, unreadable.Id(), L"");  // an unread path tells nothing, even beside another one
    AddRow(rows, critical.Id(), critical.Program());
    AddRow(rows, undying.Id(), undying.Program());
    AddRow(rows, locked.Id(), locked.Program(), StartOf(locked.Id()));
    AddRow(rows, lockedLater.Id(), lockedLater.Program(), 1);  // its id taken by a process that started later
    AddRow(rows, lockedOtherProgram.Id(), L"C:\\gone\\other.exe");  // and by another program
    AddRow(rows, otherProgram.Id(), HelperProgramPath());  // the listed program ended; its id came back
    AddRow(rows, ended.Id(), ended.Program());
    // A browser's helper processes end together with their main process: no message.
    const HelperProcess main({});
    std::vector<HelperProcess> helpers;
    helpers.reserve(4);
    for (int i = 0; i < 4; ++i) {
        helpers.emplace_back(std::vector<std::wstring>{}, HelperProgramPath(), L"--follow " + std::to_wstring(main.Id()));
    }
    AddRow(rows, main.Id(), main.Program());
    for (const HelperProcess& helper : helpers) AddRow(rows, helper.Id(), helper.Program());
    boxes.answers = {IDCANCEL};
    TerminateListedProcesses(rows);
    EXPECT_TRUE(first.IsRunning() && boxes.shown.size() == 1 && feedback.events.empty()) << "Cancel touches nothing";

    TerminateListedProcesses(rows);

    EXPECT_TRUE(first.WaitForExit(0) && sameName.WaitForExit(0) && second.WaitForExit(0))
        << "each ended before the next row, and one failure does not stop the others";
    for (const HelperProcess& helper : helpers) EXPECT_TRUE(helper.WaitForExit(0));
    for (const HelperProcess* running : {&otherProgram, &unopenable, &unlistable, &unreadable, &critical, &undying}) {
        EXPECT_TRUE(running->IsRunning()) << running->Id();
    }
    ASSERT_EQ(boxes.shown.size(), 8u) << "skipped and ended rows are silent, and so are processes that took an id";
    EXPECT_EQ(boxes.shown[2].text, CannotEnd(unopenable.Program(), unopenable.Id(), L"Доступ запрещён."));
    constexpr const wchar_t* kUnidentified = L"не удаётся определить, тот ли это процесс, который был найден.";
    EXPECT_EQ(boxes.shown[3].text, LeftAlone(unlistable.Program(), unlistable.Id(), kUnidentified));
    EXPECT_EQ(boxes.shown[4].text, LeftAlone(L"", unreadable.Id(), kUnidentified));
    EXPECT_EQ(boxes.shown[5].text, LeftAlone(critical.Program(), critical.Id(), L"это критический процесс Windows."))
        << "no blue screen";
    EXPECT_EQ(boxes.shown[6].text, CannotEnd(undying.Program(), undying.Id(), L"Таймаут.")) << "its modules stay loaded";
    EXPECT_EQ(boxes.shown[7].text, CannotEnd(locked.Program(), locked.Id(), L"Доступ запрещён."));
    for (std::size_t i = 2; i < boxes.shown.size(); ++i) EXPECT_EQ(boxes.shown[i].style, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));

    // The open that ends a process asks what the critical-process check needs, and no more.
    const auto accessAsked = [&](DWORD id) {
        std::vector<DWORD> asked;
        for (const auto& [opened, access] : api.opened) {
            if (opened == id && (access & PROCESS_TERMINATE)) asked.push_back(access);
        }
        return asked;
    };
    EXPECT_EQ(accessAsked(second.Id()), std::vector<DWORD>{0x00100401}) << "Wine has no IsProcessCritical: the full query right";
    HelperProcess third({});
    rows.Clear();
    AddRow(rows, third.Id(), third.Program());
    control.checkAccess = PROCESS_QUERY_LIMITED_INFORMATION;
    TerminateListedProcesses(rows);
    EXPECT_EQ(accessAsked(third.Id()), std::vector<DWORD>{0x00101001}) << "terminate, synchronize, the limited query";
    EXPECT_TRUE(third.WaitForExit(0));
}

TEST_F(ListedProcessActions, RelaunchStartsEveryListedProgramInItsFolderButNeverThisProgramAfterTheConfirmation)
{
    const std::wstring a = folder.Copy(HelperProgramPath(), L"launch_a_xq14.exe");
    const std::wstring b = folder.Copy(HelperProgramPath(), L"sub\\launch_b_xq14.exe");
    const std::wstring missing = folder.Path() + L"\\missing_xq14.exe";
    const FakeElevation notElevated;  // under Wine every program is: started directly, as the user's own would be
    const std::size_t copiesOfSelf = SearchRows(L"\\actions_tests.exe").size();
    DWORD id = 0;
    for (const std::wstring& program : {missing, a, ToUpperCase(self), b, self, a}) {
        AddRow(rows, id += 4, program, std::nullopt, std::nullopt, OwnerHere());
    }
    boxes.answers = {IDCANCEL};
    RelaunchListedPrograms(rows, nullptr);
    EXPECT_TRUE(boxes.shown.size() == 1 && feedback.events.empty()) << "Cancel starts nothing";

    RelaunchListedPrograms(rows, nullptr);

    EXPECT_EQ(WorkingFoldersOfStarts(a, 2), folder.Path() + L"\n" + folder.Path() + L"\n") << "a row, a start";
    EXPECT_EQ(WorkingFoldersOfStarts(b, 1), folder.Path() + L"\\sub\n");
    EXPECT_EQ(SearchRows(L"\\actions_tests.exe").size(), copiesOfSelf);
    ASSERT_EQ(boxes.shown.size(), 3u) << "the confirmation and the missing program";
    EXPECT_EQ(boxes.shown[2].text, missing + L"\r\n\r\nНе удаётся запустить программу.");
    EXPECT_EQ(feedback.events, (std::vector<std::string>{"wait", "normal", "beep"}));
}

// More processes than one wait takes, ending in their own time: one deadline for all, the window answering meanwhile.
TEST_F(ListedProcessActions, TerminateEndsAllFirstThenWaitsOnceForAllAndLeavesAProcessThatStartedLaterAlone)
{
    SlowProcesses slow;
    slow.undying = {10, 40, 69};
    for (const SlowProcesses::Process& process : slow.processes) {
        // The listed process 5 has ended, and one of the same program has taken its id since.
        AddRow(rows, process.id, L"C:\\Slow\\slow.exe", process.id == slow.processes[5].id ? 1 : process.started);
    }
    const HWND window = CreateWindowExW(0, L"STATIC", L"answers", WS_POPUP, 0, 0, 10, 10, {}, {}, {}, {});
    ULONGLONG answeredAt = 0;
    std::thread sender([&] {
        while (!slow.waitStarted.test()) Sleep(1);
        DWORD_PTR length = 0;
        if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 10'000, &length)) answeredAt = slow.Now();
    });
    const ULONGLONG start = slow.Now();

    TerminateListedProcesses(rows);
    sender.join();
    DestroyWindow(window);

    EXPECT_EQ(slow.Now() - start, 5'000u) << "one deadline in all, counted from the end of the terminations";
    EXPECT_LE(slow.mostAtOnce, 63u) << "a wait takes at most 63 handles";
    EXPECT_TRUE(answeredAt != 0 && answeredAt < start + 5'000) << "a message sent to the window is answered during the wait";
    for (const SlowProcesses::Process& process : slow.processes) {
        EXPECT_EQ(process.terminated, process.id != slow.processes[5].id) << process.id;
    }
    ASSERT_EQ(boxes.shown.size(), 4u) << "the confirmation, then the three that still run, in the list's order";
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.shown[1 + i].text, CannotEnd(L"C:\\Slow\\slow.exe", slow.processes[slow.undying[i]].id, L"Таймаут."));
    }
}

// With full rights: only what this desktop's user ran in this session, through the desktop's shell with that user's own
// rights; a packaged application by its id, once; a program's existence told only on a fixed drive.
TEST_F(ListedProcessActions, RelaunchedElevatedStartsOnlyWhatThisDesktopsUserRanHereThroughTheDesktopsShell)
{
    FakeElevation elevation;
    elevation.elevated = true;
    elevation.startForReal = false;
    FakeHost host;
    host.notFixed = {L"Y:\\"};  // a mapped drive of the user's session
    ProcessOwner otherSession = OwnerHere(), otherUser = OwnerHere();
    otherSession.sessionId = *otherSession.sessionId + 1;
    otherUser.desktopUser = false;
    const std::wstring app = L"Microsoft.WindowsNotepad_8wekyb3d8bbwe!App";
    const std::wstring a = folder.Copy(HelperProgramPath(), L"sub\\a_xq31.exe");
    AddRow(rows, 4, a, std::nullopt, std::nullopt, OwnerHere());
    AddRow(rows, 8, L"C:\\Apps\\b.exe", std::nullopt, std::nullopt, otherSession);
    AddRow(rows, 12, L"C:\\Program Files\\WindowsApps\\N\\Notepad.exe", std::nullopt, std::nullopt, OwnerHere(app));
    AddRow(rows, 16, L"C:\\Program Files\\WindowsApps\\N\\Notepad.exe", std::nullopt, std::nullopt, OwnerHere(app));
    AddRow(rows, 20, L"C:\\Users\\u\\c.exe", std::nullopt, std::nullopt, otherUser);
    AddRow(rows, 24, L"Y:\\Tools\\d.exe", std::nullopt, std::nullopt, OwnerHere());
    const std::wstring missing = folder.Path() + L"\\gone.exe";
    AddRow(rows, 28, missing, std::nullopt, std::nullopt, OwnerHere());
    const auto started = [](const std::vector<FakeElevation::Start>& starts) {
        std::vector<std::pair<std::wstring, std::wstring>> programs;
        for (const FakeElevation::Start& start : starts) programs.emplace_back(start.program, start.folder);
        return programs;
    };

    RelaunchListedPrograms(rows, nullptr);
    EXPECT_EQ(started(elevation.desktopStarts),
              (std::vector<std::pair<std::wstring, std::wstring>>{{a, folder.Path() + L"\\sub"},
                                                                  {L"shell:AppsFolder\\" + app, L""},
                                                                  {L"Y:\\Tools\\d.exe", L"Y:\\Tools"}}))
        << "the packaged application once, by its id; nothing tested on a mapped drive";
    EXPECT_TRUE(elevation.directStarts.empty()) << "never with full rights unasked";
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[1].text, missing + L"\r\n\r\nНе удаётся запустить программу.") << "told on a fixed drive";
    EXPECT_EQ(boxes.shown[2].text, L"Эти программы работали в другом сеансе или от имени другого пользователя, поэтому "
                                   L"не запущены:\r\n\r\nC:\\Apps\\b.exe (8)\r\nC:\\Users\\u\\c.exe (20)");

    // Without elevation, every program is started directly, as its own user would; the packaged one by its id.
    elevation.elevated = false;
    boxes.shown.clear();
    elevation.desktopStarts.clear();
    RelaunchListedPrograms(rows, nullptr);
    EXPECT_TRUE(elevation.desktopStarts.empty());
    EXPECT_EQ(started(elevation.directStarts),
              (std::vector<std::pair<std::wstring, std::wstring>>{{a, folder.Path() + L"\\sub"},
                                                                  {L"C:\\Apps\\b.exe", L"C:\\Apps"},
                                                                  {L"shell:AppsFolder\\" + app, L""},
                                                                  {L"C:\\Users\\u\\c.exe", L"C:\\Users\\u"},
                                                                  {L"Y:\\Tools\\d.exe", L"Y:\\Tools"},
                                                                  {missing, folder.Path()}}));
    EXPECT_EQ(boxes.shown.size(), 1u) << "the confirmation only";

    const std::string batch = SaveTo(folder.Path() + L"\\apps.bat");
    EXPECT_NE(batch.find("  START \"C:\\Program Files\\WindowsApps\\N\\Notepad.exe\"\r\n"), std::string::npos);
    EXPECT_NE(batch.find("  START \"\" \"shell:AppsFolder\\Microsoft.WindowsNotepad_8wekyb3d8bbwe!App\"\r\n"),
              std::string::npos);
}

// As on a user's 64-bit Windows full of 32-bit programs, with a process on two rows.
TEST_F(ListedProcessActions, EachActsOnceOnEveryListedProcessOf64Or32Bits)
{
    const std::wstring program = folder.Copy(HelperProgramPath(), L"once_xq19.exe");
    const std::wstring program32 = folder.Copy(Helper32ProgramPath(), L"once32_xq19.exe");
    HelperProcess twoRows({folder.AddModule(ModuleKind::NoVersion, L"a_xq19.dll"),
                           folder.AddModule(ModuleKind::NoVersion, L"b_xq19.dll")}, program);
    HelperProcess wow({folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"c_xq19.dll")}, program32);
    SearchModule(rows, L"_xq19.dll", MatchMode::EndsWith);
    ASSERT_EQ(rows.Count(), 3u);
    const FakeElevation notElevated;

    dialogs.answers = {folder.Path() + L"\\once.bat"};
    SaveRestartBatch(rows, nullptr);
    TerminateListedProcesses(rows);
    RelaunchListedPrograms(rows, nullptr);

    const std::string batch = ReadBytes(folder.Path() + L"\\once.bat");
    EXPECT_EQ(std::count(batch.begin(), batch.end(), '\n'), 12) << "two START lines in each block";
    EXPECT_TRUE(twoRows.WaitForExit(0) && wow.WaitForExit(0));
    EXPECT_EQ(WorkingFoldersOfStarts(program, 1), folder.Path() + L"\n");
    EXPECT_EQ(WorkingFoldersOfStarts(program32, 1), folder.Path() + L"\n");
    EXPECT_EQ(boxes.shown.size(), 3u) << "saved, and two confirmations: no failure";
}

// A system set to UTF-8 writes the batch file in it: every path fits but one with a lone surrogate.
TEST(CodePages, UTF8HoldsEveryPathButOneWithALoneSurrogate)
{
    EXPECT_EQ(EncodeForCodePage(L"C:\\工具\\Мой.exe", CP_UTF8), "C:\\\xE5\xB7\xA5\xE5\x85\xB7\\\xD0\x9C\xD0\xBE\xD0\xB9.exe");
    EXPECT_EQ(EncodeForCodePage(L"C:\\\xD83D.exe", CP_UTF8), std::nullopt) << "no silent U+FFFD";
}

// What Wine's service manager does not know (dependencies, shared hosts, a critical host, one whose services cannot be
// named) through its seam, with real processes as the hosts.
TEST_F(ListedProcessActions, ServiceHostsAreStoppedAndStartedThroughTheServiceManagerEachServiceOnceDependentsFirst)
{
    HelperProcess host({}), stubborn({}), critical({}), unnamed({});
    const std::wstring programPath = folder.Copy(HelperProgramPath(), L"program_xq29.exe");
    HelperProcess program({}, programPath);
    FakeServiceManager manager;
    manager.services = {{L"S1", host.Id()}, {L"S2", host.Id()}, {L"S5", host.Id()}, {L"S6", stubborn.Id()},
                        {L"S4", critical.Id()}};
    manager.dependents = {{L"S1", {L"D2", L"D1"}}, {L"S2", {L"D1"}}};
    manager.moved = {{L"S5", 0x7FF0}};  // restarted in another process since the search
    manager.refusing = {L"S6"};
    ScriptedProcessControl control;
    control.critical = critical.Id();
    const auto hostOf = [](std::vector<HostedService> services) { return ServiceHost{std::move(services), false}; };
    AddRow(rows, host.Id(), host.Program(), StartOf(host.Id()),
           hostOf({{L"S1", std::vector<std::wstring>{L"D2", L"D1"}}, {L"S2", std::vector<std::wstring>{L"D1"}},
                   {L"S5", std::vector<std::wstring>{}}}));
    AddRow(rows, stubborn.Id(), stubborn.Program(), StartOf(stubborn.Id()), hostOf({{L"S6", std::nullopt}}));
    AddRow(rows, critical.Id(), critical.Program(), StartOf(critical.Id()), hostOf({{L"S4", std::vector<std::wstring>{}}}));
    AddRow(rows, unnamed.Id(), unnamed.Program(), StartOf(unnamed.Id()), ServiceHost{{}, true});
    AddRow(rows, program.Id(), programPath, StartOf(program.Id()), std::nullopt, OwnerHere());

    EXPECT_EQ(SaveTo(folder.Path() + L"\\services.bat").substr(37),
              "\r\n  START \"" + std::string(programPath.begin(), programPath.end()) + "\"\r\n  GOTO END\r\n\r\n"
              ":WIN_NT\r\n\r\n  NET START \"S5\"\r\n  NET START \"S2\"\r\n  NET START \"S1\"\r\n  NET START \"D1\"\r\n"
              "  NET START \"D2\"\r\n  NET START \"S6\"\r\n  NET START \"S4\"\r\n  START \"\" \"" +
                  std::string(programPath.begin(), programPath.end()) + "\"\r\n\r\n:END\r\n")
        << "each service once, after those it depends on; nothing for a host whose services are unknown";

    boxes.shown.clear();
    TerminateListedProcesses(rows);
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[0].text, L"Вы действительно хотите завершить все перечисленные программы? Все несохранённые "
                                   L"данные могут быть утеряны!\r\n\r\nБудут остановлены службы: D2, D1, S1, S2, S5, S6.")
        << "a critical host's services are not among them";
    EXPECT_EQ(manager.asked, (std::vector<std::wstring>{L"stop D2", L"stop D1", L"stop S1", L"stop S2", L"stop S6"}))
        << "dependents first, each once; one that runs elsewhere now is left alone";
    EXPECT_EQ(boxes.shown[1].text.rfind(stubborn.Program() + L"\r\n\r\nНе удаётся остановить службу «S6».\r\n\r\n", 0), 0u);
    EXPECT_EQ(boxes.shown[2].text, LeftAlone(critical.Program(), critical.Id(), L"это критический процесс Windows."));
    EXPECT_EQ(boxes.shown[3].text, unnamed.Program() + L"\r\n\r\nНе удаётся остановить службы этого процесса.");
    EXPECT_TRUE(host.WaitForExit(0)) << "its services stopped, it still ran: ended as any listed process";
    EXPECT_TRUE(program.WaitForExit(0));
    for (const HelperProcess* left : {&stubborn, &critical, &unnamed}) EXPECT_TRUE(left->IsRunning()) << left->Id();

    boxes.shown.clear();
    manager.asked.clear();
    const FakeElevation notElevated;
    RelaunchListedPrograms(rows, nullptr);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, L"Вы действительно хотите перезапустить перечисленные программы? Если они не были "
                                   L"завершены ранее, то они будут запущены повтороно!\r\n\r\nБудут запущены службы: S5, "
                                   L"S2, S1, D1, D2, S6, S4.");
    EXPECT_EQ(manager.asked, (std::vector<std::wstring>{L"start S5", L"start S2", L"start S1", L"start D1", L"start D2",
                                                        L"start S6", L"start S4"}))
        << "through the manager; a service already running is no failure";
    EXPECT_EQ(boxes.shown[1].text, unnamed.Program() + L"\r\n\r\nНе удаётся запустить службы этого процесса.");
    EXPECT_EQ(WorkingFoldersOfStarts(programPath, 1), folder.Path() + L"\n") << "the program is started as a program";
}
