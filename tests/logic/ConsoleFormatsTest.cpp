#include <gtest/gtest.h>

#include "console/ReportFormats.h"

namespace {

// One search's report with every kind of cell the formats treat apart: a Cyrillic path, a
// path with a comma and quotes, a service host with two services and one whose services are
// unknown, a row without start or session, a replaced and a gone copy, a surrogate pair in a
// program's name, and a protected and a refused process not examined.
Report SampleReport()
{
    Report report;
    report.specification = L"x.dll";
    // A row's fields in their order: processId, processStart, program, programPath, services, sessionId,
    // moduleVersion, moduleVersionOnDisk, copy, modulePath, and the window's program and version columns.
    const std::vector<std::wstring> none;
    report.rows = {
        {4242, 134412602281236789,  // 2026-12-09T03:23:48.1236789Z: shown cut to .123
         L"редактор2026.exe", L"C:\\Программы\\Мой\\редактор2026.exe", none, 1, L"1.2.0.4", L"1.2.0.4",
         ModuleCopy::Same, L"C:\\Программы\\Мой\\x.dll", L"редактор2026.exe", L"1.2.4"},
        {77, 133828415999990000, L"tool.exe", L"C:\\Tools\\a,b\\tool.exe", none, 2, L"2.0.1.1", L"2.0.1.7",
         ModuleCopy::Replaced, L"C:\\Tools\\a,b\\say \"hi\"\\x.dll", L"tool.exe", L"2.0.1.1"},
        {1040, 133536384000000000, L"svchost.exe", L"C:\\Windows\\System32\\svchost.exe",
         std::vector<std::wstring>{L"BITS", L"wuauserv"}, 0, L"10.0.19041.1", std::nullopt, ModuleCopy::Gone,
         L"C:\\Windows\\System32\\x.dll", L"svchost.exe", L"10.0.19041.1"},
        {1100, 116444736000000000, L"svchost.exe", L"C:\\Windows\\System32\\svchost.exe", std::nullopt, 0,
         std::nullopt, L"10.0.19041.1", ModuleCopy::Unknown, L"C:\\Windows\\System32\\x.dll", L"svchost.exe", L"---"},
        {5000, std::nullopt, L"app\xD83D\xDE00.exe", L"D:\\Apps\\app\xD83D\xDE00.exe", none, std::nullopt, L"3.1",
         L"3.1", ModuleCopy::Same, L"D:\\Apps\\x.dll", L"app\xD83D\xDE00.exe", L"3.1"},
    };
    report.unexamined = {{624, L"csrss.exe", UnexaminedReason::Protected},
                         {1234, L"svchost.exe", UnexaminedReason::Refused}};
    report.summary = L"Найдено строк: 5, процессов: 5. Не удалось проверить процессов: 2.";
    return report;
}

}  // namespace

// What /out: writes, byte for byte; standard output gets the same text without the byte-order mark.
TEST(ConsoleFormats, EveryFormatOfOneReportByteForByte)
{
    const Report report = SampleReport();
    const std::pair<ReportFormat, std::string> files[] = {
        {ReportFormat::Table,
         "\xEF\xBB\xBF"
         "Имя процесса      Версия модуля  Полное имя файла модуля\r\n"
         "редактор2026.exe  1.2.4          C:\\Программы\\Мой\\x.dll\r\n"
         "tool.exe          2.0.1.1        C:\\Tools\\a,b\\say \"hi\"\\x.dll\r\n"
         "svchost.exe       10.0.19041.1   C:\\Windows\\System32\\x.dll\r\n"
         "svchost.exe       ---            C:\\Windows\\System32\\x.dll\r\n"
         "app😀.exe          3.1            D:\\Apps\\x.dll\r\n"  // the pair is one character
         "\r\n"
         "Найдено строк: 5, процессов: 5. Не удалось проверить процессов: 2.\r\n"},
        {ReportFormat::Csv,
         "\xEF\xBB\xBF"
         "processId,processStart,program,programPath,services,sessionId,moduleVersion,moduleVersionOnDisk,copy,"
         "modulePath\r\n"
         "4242,2026-12-09T03:23:48.123Z,редактор2026.exe,C:\\Программы\\Мой\\редактор2026.exe,,1,1.2.0.4,1.2.0.4,"
         "same,C:\\Программы\\Мой\\x.dll\r\n"
         "77,2025-01-31T23:59:59.999Z,tool.exe,\"C:\\Tools\\a,b\\tool.exe\",,2,2.0.1.1,2.0.1.7,replaced,"
         "\"C:\\Tools\\a,b\\say \"\"hi\"\"\\x.dll\"\r\n"
         "1040,2024-02-29T00:00:00.000Z,svchost.exe,C:\\Windows\\System32\\svchost.exe,BITS;wuauserv,0,10.0.19041.1,,"
         "gone,C:\\Windows\\System32\\x.dll\r\n"
         "1100,1970-01-01T00:00:00.000Z,svchost.exe,C:\\Windows\\System32\\svchost.exe,,0,,10.0.19041.1,unknown,"
         "C:\\Windows\\System32\\x.dll\r\n"
         "5000,,app😀.exe,D:\\Apps\\app😀.exe,,,3.1,3.1,same,D:\\Apps\\x.dll\r\n"},
        {ReportFormat::Json,
         R"({"specification":"x.dll","mode":"endsWith","complete":false,"rows":[)"
         R"({"processId":4242,"processStart":"2026-12-09T03:23:48.123Z",)"
         R"("program":"\u0440\u0435\u0434\u0430\u043a\u0442\u043e\u04402026.exe",)"
         R"("programPath":"C:\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\\u041c\u043e\u0439\\)"
         R"(\u0440\u0435\u0434\u0430\u043a\u0442\u043e\u04402026.exe",)"
         R"("services":[],"sessionId":1,"moduleVersion":"1.2.0.4","moduleVersionOnDisk":"1.2.0.4","copy":"same",)"
         R"("modulePath":"C:\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\\u041c\u043e\u0439\\x.dll"},)"
         R"({"processId":77,"processStart":"2025-01-31T23:59:59.999Z","program":"tool.exe",)"
         R"("programPath":"C:\\Tools\\a,b\\tool.exe","services":[],"sessionId":2,"moduleVersion":"2.0.1.1",)"
         R"("moduleVersionOnDisk":"2.0.1.7","copy":"replaced","modulePath":"C:\\Tools\\a,b\\say \"hi\"\\x.dll"},)"
         R"({"processId":1040,"processStart":"2024-02-29T00:00:00.000Z","program":"svchost.exe",)"
         R"("programPath":"C:\\Windows\\System32\\svchost.exe","services":["BITS","wuauserv"],"sessionId":0,)"
         R"("moduleVersion":"10.0.19041.1","moduleVersionOnDisk":null,"copy":"gone",)"
         R"("modulePath":"C:\\Windows\\System32\\x.dll"},)"
         R"({"processId":1100,"processStart":"1970-01-01T00:00:00.000Z","program":"svchost.exe",)"
         R"("programPath":"C:\\Windows\\System32\\svchost.exe","services":null,"sessionId":0,"moduleVersion":null,)"
         R"("moduleVersionOnDisk":"10.0.19041.1","copy":"unknown","modulePath":"C:\\Windows\\System32\\x.dll"},)"
         R"({"processId":5000,"processStart":null,"program":"app\ud83d\ude00.exe",)"
         R"("programPath":"D:\\Apps\\app\ud83d\ude00.exe","services":[],"sessionId":null,"moduleVersion":"3.1",)"
         R"("moduleVersionOnDisk":"3.1","copy":"same","modulePath":"D:\\Apps\\x.dll"}],)"
         R"("unexamined":[{"processId":624,"program":"csrss.exe","reason":"protected"},)"
         R"({"processId":1234,"program":"svchost.exe","reason":"refused"}]})"
         "\r\n"},
    };
    for (const auto& [format, bytes] : files) {
        EXPECT_EQ(OutputFileBytes(ReportText(report, format), format), bytes) << static_cast<int>(format);
    }
    EXPECT_EQ(UnexaminedCsvText(report), L"624,csrss.exe,protected\r\n1234,svchost.exe,refused\r\n");
}

TEST(ConsoleFormats, AReportWithoutRowsKeepsTheHeadersAndTheOtherFields)
{
    Report report;
    report.specification = L"system32";
    report.contains = true;
    report.unexamined = {{4, L"", UnexaminedReason::Protected}, {8, L"x,y.exe", UnexaminedReason::Failed}};
    report.summary = L"Найдено строк: 0, процессов: 0. Не удалось проверить процессов: 2.";

    EXPECT_EQ(TableText(report), L"Имя процесса  Версия модуля  Полное имя файла модуля\r\n"
                                 L"Найдено строк: 0, процессов: 0. Не удалось проверить процессов: 2.\r\n");
    EXPECT_EQ(CsvText(report), L"processId,processStart,program,programPath,services,sessionId,moduleVersion,"
                               L"moduleVersionOnDisk,copy,modulePath\r\n");
    EXPECT_EQ(UnexaminedCsvText(report), L"4,,protected\r\n8,\"x,y.exe\",failed\r\n");
    EXPECT_EQ(JsonText(report), L"{\"specification\":\"system32\",\"mode\":\"contains\",\"complete\":false,\"rows\":[],"
                                L"\"unexamined\":[{\"processId\":4,\"program\":\"\",\"reason\":\"protected\"},"
                                L"{\"processId\":8,\"program\":\"x,y.exe\",\"reason\":\"failed\"}]}\r\n");
    report.unexamined.pop_back();
    EXPECT_EQ(JsonText(report), L"{\"specification\":\"system32\",\"mode\":\"contains\",\"complete\":true,\"rows\":[],"
                                L"\"unexamined\":[{\"processId\":4,\"program\":\"\",\"reason\":\"protected\"}]}\r\n")
        << "a protected process leaves the report complete";
}

TEST(ConsoleFormats, JsonEscapesEveryNonAsciiCodeUnitAndTheControlCharactersAndNothingElse)
{
    const std::pair<std::wstring, const wchar_t*> texts[] = {
        {L"a\"b\\c/d", LR"(a\"b\\c/d)"},  // the solidus stays
        {L"\b\f\n\r\t", LR"(\b\f\n\r\t)"},
        {std::wstring(L"\0\x01\x1F\x7F", 4), LR"(\u0000\u0001\u001f\u007f)"},
        {L" ~", L" ~"},
        {L"\xE9\x20AC\xFEFF\xFFFF", LR"(\u00e9\u20ac\ufeff\uffff)"},
        {L"\xD83D\xDE00", LR"(\ud83d\ude00)"},
        {L"\xDC00x\xD800", LR"(\udc00x\ud800)"},  // lone surrogates keep their own escape
    };
    for (const auto& [text, escaped] : texts) {
        Report report;
        report.specification = text;
        const std::wstring json = std::wstring(L"{\"specification\":\"") + escaped +
                                  L"\",\"mode\":\"endsWith\",\"complete\":true,\"rows\":[],\"unexamined\":[]}\r\n";
        EXPECT_EQ(JsonText(report), json) << escaped;
    }
}

TEST(ConsoleFormats, CsvQuotesAFieldWithACommaAQuoteOrALineBreakOnly)
{
    const std::pair<const wchar_t*, const wchar_t*> fields[] = {
        {L"a,b", L"\"a,b\""}, {L"a\"b", L"\"a\"\"b\""}, {L"a\rb", L"\"a\rb\""}, {L"a\nb", L"\"a\nb\""},
        {L" a;b\t", L" a;b\t"}, {L"", L""},
    };
    for (const auto& [program, field] : fields) {
        Report report;
        report.unexamined = {{1, program, UnexaminedReason::Failed}};
        EXPECT_EQ(UnexaminedCsvText(report), std::wstring(L"1,") + field + L",failed\r\n") << program;
    }
}
