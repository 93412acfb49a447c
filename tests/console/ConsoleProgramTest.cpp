// The real vennick-cli.exe, started as a script starts it (its output redirected to files), against real processes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "console/ConsoleArguments.h"
#include "console/ReportFormats.h"
#include "console/ReportOfSearch.h"
#include "console/TextEncoding.h"
#include "fixtures/HelperProcess.h"
#include "fixtures/TestService.h"
#include "search/ModuleSearch.h"

namespace {

struct CliRun {
    DWORD exitCode = 0;
    std::string out, err;
};

// Runs the program with the arguments, its standard output and error going into files. Without a console: Wine's
// console host of a program just ended would still be ending during the next search, a process it cannot examine.
CliRun RunCli(const std::wstring& arguments)
{
    const ScratchFolder streams(L"vennick-cli-streams");
    const std::wstring outPath = streams.Path() + L"\\out", errPath = streams.Path() + L"\\err";
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    CliRun run;
    {
        const UniqueFileHandle out(CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                               0, nullptr));
        const UniqueFileHandle err(CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                               0, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = out.get();
        startup.hStdError = err.get();
        std::wstring commandLine = L"\"" + BuildFolder() + L"vennick-cli.exe\" " + arguments;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                            &startup, &info)) {
            throw std::runtime_error("vennick-cli.exe did not start");
        }
        const UniqueHandle process(info.hProcess), thread(info.hThread);
        WaitForSingleObject(process.get(), 120'000);
        GetExitCodeProcess(process.get(), &run.exitCode);
    }
    run.out = ReadBytes(outPath);
    run.err = ReadBytes(errPath);
    return run;
}

std::string Utf8(const std::wstring& text) { return Utf8FromUtf16(text); }

// Whether a text is one JSON value (RFC 8259) in ASCII only, control characters escaped; how many objects its "rows"
// array holds.
class JsonSyntax {
public:
    explicit JsonSyntax(const std::string& text) : text_(text) {}
    bool Valid()
    {
        int objects = 0;
        return Value(0, objects) && (Blanks(), at_ == text_.size());
    }
    int rows = -1;

private:
    // One value; of an array's or an object's items, `objects` counts those that are objects.
    bool Value(int depth, int& objects)
    {
        Blanks();
        if (at_ >= text_.size() || depth > 32) return false;
        if (text_[at_] == '"') return String(nullptr);
        if (Take('{') || Take('[')) {
            const bool object = text_[at_ - 1] == '{';
            for (int items = 0; !(Blanks(), Take(object ? '}' : ']')); ++items) {
                std::string key;
                if (items > 0 && !Take(',')) return false;
                if (object && !(Blanks(), String(&key) && (Blanks(), Take(':')))) return false;
                Blanks();
                objects += Take('{') ? (--at_, 1) : 0;
                int inner = 0;
                if (!Value(depth + 1, inner)) return false;
                if (object && depth == 0 && key == "rows") rows = inner;
            }
            return true;
        }
        for (const std::string word : {"true", "false", "null"}) {
            if (text_.compare(at_, word.size(), word) == 0) return at_ += word.size(), true;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && std::strchr("-+.eE0123456789", text_[at_]) != nullptr) ++at_;
        return at_ > start;
    }
    bool String(std::string* value)
    {
        std::string read;
        for (const bool opened = Take('"'); opened && at_ < text_.size() && text_[at_] != '"'; read += text_[at_++]) {
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (c < 0x20 || c > 0x7E) return false;
            if (c == '\\' && (++at_ >= text_.size() || std::strchr("\"\\/bfnrtu", text_[at_]) == nullptr)) return false;
        }
        if (value != nullptr) *value = read;
        return Take('"');
    }
    bool Take(char c) { return at_ < text_.size() && text_[at_] == c ? (++at_, true) : false; }
    void Blanks()
    {
        while (at_ < text_.size() && std::strchr(" \t\r\n", text_[at_]) != nullptr) ++at_;
    }
    const std::string& text_;
    std::size_t at_ = 0;
};

// RFC 4180 records, each ended by CR LF: quoted fields may hold commas, quotes (doubled) and line breaks.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, quoted ? "\"\"" : "\r\n") == 0) {
            ++i;
            if (quoted) record.back() += '"';
            else records.push_back(std::exchange(record, std::vector<std::string>(1)));
        } else if (text[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && text[i] == ',') {
            record.emplace_back();
        } else {
            record.back() += text[i];
        }
    }
    if (record != std::vector<std::string>(1)) records.push_back(record);
    return records;
}

// The window's search of the same processes, as the console program reports it.
Report SearchedInProcess(const std::wstring& specification, bool oldCopiesOnly = false)
{
    MemoryResultsList rows;
    const SearchOutcome outcome = SearchModule(rows, specification, MatchMode::EndsWith);
    return ReportOfSearch(specification, false, oldCopiesOnly, rows, outcome);
}

}  // namespace

// 64- and 32-bit processes, under a Cyrillic folder with a comma and a path longer than 300 characters.
TEST(ConsoleProgram, ItsRowsAreTheWindowsSearchsInEveryFormatWithTheirEncodings)
{
    ScratchFolder folder;
    const std::wstring cyrillic = folder.AddModule(ModuleKind::NoVersion, L"Модули, копия\\cli_xq32.dll");
    const std::wstring deep = folder.AddModule(ModuleKind::Version5_1_3_2600,
                                               std::wstring(150, L'd') + L"\\" + std::wstring(150, L'e') + L"\\cli_xq32.dll");
    const std::wstring wow = folder.AddModule(ModuleKind::Version5_1_3_2600_32Bit, L"x86\\cli_xq32.dll");
    ASSERT_GT(deep.size(), 300u);
    const HelperProcess both({cyrillic, deep}), wow32({wow}, Helper32ProgramPath());
    const Report searched = SearchedInProcess(L"cli_xq32.dll");
    ASSERT_EQ(searched.rows.size(), 3u);

    const CliRun json = RunCli(L"/format:json cli_xq32.dll");
    EXPECT_EQ(json.exitCode, 1u) << "something found";
    JsonSyntax syntax(json.out);
    EXPECT_TRUE(syntax.Valid()) << json.out;
    EXPECT_EQ(syntax.rows, 3);
    EXPECT_EQ(json.out, Utf8(JsonText(searched))) << "the same rows in the same order, on one line";
    EXPECT_EQ(json.out.substr(json.out.size() - 2), "\r\n");

    const CliRun csv = RunCli(L"/format:csv cli_xq32.dll");
    const std::vector<std::vector<std::string>> records = CsvRecords(csv.out);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"processId", "processStart", "program", "programPath", "services",
                                                    "sessionId", "moduleVersion", "moduleVersionOnDisk", "copy",
                                                    "modulePath"}));
    EXPECT_EQ(records[1][9], Utf8(cyrillic)) << "a field with a comma, quoted";
    EXPECT_EQ(records[3][0], std::to_string(wow32.Id()));
    EXPECT_EQ(csv.out, Utf8(CsvText(searched))) << "UTF-8, no byte-order mark when redirected";

    const CliRun table = RunCli(L"cli_xq32.dll");
    EXPECT_EQ(table.out.rfind("\xD0\x98\xD0\xBC\xD1\x8F \xD0\xBF\xD1\x80\xD0\xBE\xD1\x86\xD0\xB5\xD1\x81\xD1\x81\xD0\xB0", 0), 0u)
        << "«Имя процесса» in UTF-8 first, no byte-order mark";
    EXPECT_EQ(table.out, Utf8(TableText(searched)));

    const ScratchFolder out(L"vennick cli out");  // a blank: the switch quoted, as PowerShell passes it
    for (const auto& [arguments, file, bytes] :
         {std::tuple(L"\"/out:" + out.Path() + L"\\t.txt\" cli_xq32.dll", out.Path() + L"\\t.txt",
                     "\xEF\xBB\xBF" + Utf8(TableText(searched))),
          std::tuple(L"/format:csv /out:\"" + out.Path() + L"\\c.csv\" cli_xq32.dll", out.Path() + L"\\c.csv",
                     "\xEF\xBB\xBF" + Utf8(CsvText(searched))),
          std::tuple(L"/out:\"" + out.Path() + L"\\j.json\" /format:json cli_xq32.dll", out.Path() + L"\\j.json",
                     Utf8(JsonText(searched)))}) {
        const CliRun written = RunCli(arguments);
        EXPECT_EQ(std::pair(written.exitCode, written.out), std::pair(1ul, std::string())) << arguments;
        EXPECT_EQ(ReadBytes(file), bytes) << arguments;
    }
}

TEST(ConsoleProgram, EachExitCodeAndWhatAFailureOrAUsageErrorWritesToStandardError)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::NoVersion, L"code_xq32.dll");
    const HelperProcess holder({module});
    std::filesystem::create_directories(std::filesystem::path(folder.Path() + L"\\a folder"));
    const std::string usage = Utf8(ConsoleUsage());
    // arguments; the exit code, standard output (where it is not the search's), the start of standard error
    const std::tuple<std::wstring, DWORD, std::string, std::string> cases[] = {
        {L"/?", 0, usage, ""},
        {L"/format:json no_such_module_xq32.dll", 0, "", ""},
        {L"/format:json /replaced code_xq32.dll", 0, "", ""},  // found, but no old copy
        {L"/format:json code_xq32.dll", 1, "", ""},
        {L"/x code_xq32.dll", 3, "", "\xD0\x9D\xD0\xB5\xD0\xB8\xD0\xB7\xD0\xB2\xD0\xB5\xD1\x81\xD1\x82\xD0\xBD\xD1\x8B\xD0\xB9 "
                                     "\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87: /x.\r\n" + usage},
        {L"/contains", 3, "", "\xD0\x9D\xD0\xB5 \xD0\xB7\xD0\xB0\xD0\xB4\xD0\xB0\xD0\xBD\xD0\xBE \xD0\xB8\xD0\xBC\xD1\x8F "
                              "\xD0\xBC\xD0\xBE\xD0\xB4\xD1\x83\xD0\xBB\xD1\x8F.\r\n" + usage},
        {L"/out:" + folder.Path() + L"\\missing\\x.txt code_xq32.dll", 4, "", ""},
        {L"\"/out:" + folder.Path() + L"\\a folder\" code_xq32.dll", 4, "", ""},
    };
    for (const auto& [arguments, code, out, err] : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, code) << arguments;
        if (!out.empty() || code > 2) {
            EXPECT_EQ(run.out, out) << arguments;
        }
        EXPECT_EQ(run.err.substr(0, err.size()), err) << arguments;
        if (code == 4) {
            EXPECT_FALSE(run.err.empty()) << arguments << ": the system's text";
        }
    }
    EXPECT_EQ(std::filesystem::directory_iterator(folder.Path() + L"\\a folder"), std::filesystem::directory_iterator())
        << "no partial file is left";

    // A process that cannot be examined yet: nothing found may be wrong.
    HelperProcess starting({module}, HelperProgramPath(), L"", true);
    const CliRun unsure = RunCli(L"/format:json no_such_module_xq32.dll");
    EXPECT_EQ(unsure.exitCode, 2u);
    EXPECT_NE(unsure.out.find("\"complete\":false"), std::string::npos);
    EXPECT_NE(unsure.out.find("{\"processId\":" + std::to_string(starting.Id())), std::string::npos);
    starting.Resume();
}

TEST(ConsoleProgram, AServiceHostsServicesAndAProcessThatRunsAReplacedCopy)
{
    ScratchFolder folder;
    const std::wstring module = folder.AddModule(ModuleKind::Version5_1_3_2600, L"old_xq32.dll");
    const InstalledService service(L"VennickCliXq32", L"", {module});
    const HelperProcess holder({module});
    ASSERT_TRUE(MoveFileW(module.c_str(), (module + L".old").c_str()));
    folder.AddModule(ModuleKind::Version6_0_0_1, L"old_xq32.dll");
    const std::string searched = Utf8(JsonText(SearchedInProcess(L"old_xq32.dll", true)));
    const CliRun json = RunCli(L"/replaced /format:json old_xq32.dll");
    EXPECT_EQ(json.exitCode, 1u);
    const auto rowsOf = [](const std::string& text) {
        const std::size_t rows = text.find("\"rows\":");
        return text.substr(rows, text.find(",\"unexamined\":") - rows);
    };
    EXPECT_EQ(rowsOf(json.out), rowsOf(searched));
    EXPECT_NE(json.out.find("\"services\":[\"VennickCliXq32\"]"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"moduleVersion\":\"5.1.3.2600\",\"moduleVersionOnDisk\":\"6.0.1\",\"copy\":\"replaced\""),
              std::string::npos);
    EXPECT_EQ(JsonSyntax(json.out).Valid(), true);
}
