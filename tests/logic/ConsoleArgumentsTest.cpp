#include <gtest/gtest.h>

#include "console/ConsoleArguments.h"

#include <tuple>

TEST(ConsoleArguments, SwitchesBeforeTheSpecificationTheirValuesQuotedOrWholeInQuotes)
{
    // the module specification, /contains, /replaced, the format, the file
    using Choices = std::tuple<std::wstring, bool, bool, ReportFormat, std::optional<std::wstring>>;
    const std::pair<const wchar_t*, Choices> cases[] = {
        {L"/format:json /out:\"C:\\a b\\x.json\" kernel32.dll",
         {L"kernel32.dll", false, false, ReportFormat::Json, L"C:\\a b\\x.json"}},
        {L"\"/out:C:\\a b\\x.json\" x", {L"x", false, false, ReportFormat::Table, L"C:\\a b\\x.json"}},  // PowerShell's
        {L"/CONTAINS  /replaced  \"my file.dll\" ", {L"my file.dll", true, true, ReportFormat::Table, std::nullopt}},
        // a switch after the module specification is part of it
        {L"x /contains", {L"x /contains", false, false, ReportFormat::Table, std::nullopt}},
        {L"\t/Format:CSV\t/OUT:D:\\Out\\R.csv\tx.dll", {L"x.dll", false, false, ReportFormat::Csv, L"D:\\Out\\R.csv"}},
        {L"/format:csv /out:a.txt /format:table /out:b.txt x", {L"x", false, false, ReportFormat::Table, L"b.txt"}},
        {L"/contains /contains \" spaced.dll \"", {L"spaced.dll", true, false, ReportFormat::Table, std::nullopt}},
        {L"/out:\"C:\\a\"\\b.txt x", {L"x", false, false, ReportFormat::Table, L"C:\\a\\b.txt"}},  // quotes only group
        // not a quote and then "/": the module specification
        {L"\"\"/x", {L"\"\"/x", false, false, ReportFormat::Table, std::nullopt}},
    };
    for (const auto& [arguments, choices] : cases) {
        const ConsoleRequest r = ParseConsoleArguments(arguments);
        EXPECT_EQ(std::tuple(r.outcome, r.error, r.specification, r.contains, r.replacedOnly, r.format, r.outFile),
                  std::tuple_cat(std::tuple(ArgumentsOutcome::Search, std::wstring()), choices))
            << arguments;
    }
}

TEST(ConsoleArguments, TheUsageAskedForOrAnErrorThatNamesTheSwitchAsRead)
{
    const std::tuple<const wchar_t*, ArgumentsOutcome, const wchar_t*> cases[] = {
        {L"/?", ArgumentsOutcome::Help, L""},
        {L"/contains /? /x", ArgumentsOutcome::Help, L""},  // asked for, the usage outranks an error
        {L"/? kernel32.dll", ArgumentsOutcome::Help, L""},
        {L"/x", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /x."},
        {L"/format:xml y", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /format:xml."},
        {L"/out: x", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /out:."},
        {L"/format: x", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /format:."},
        {L"/format x", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /format."},
        {L"/containsx.dll", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /containsx.dll."},
        {L"/?? x", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /??."},
        {L"\"/x y\" /contains", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /x y."},
        {L"/x /y", ArgumentsOutcome::UsageError, L"Неизвестный ключ: /x."},  // the first, before the missing name
        {L"", ArgumentsOutcome::UsageError, L"Не задано имя модуля."},
        {L" \t ", ArgumentsOutcome::UsageError, L"Не задано имя модуля."},
        {L"/contains", ArgumentsOutcome::UsageError, L"Не задано имя модуля."},
        {L"/replaced \" \"", ArgumentsOutcome::UsageError, L"Не задано имя модуля."},
    };
    for (const auto& [arguments, outcome, error] : cases) {
        const ConsoleRequest request = ParseConsoleArguments(arguments);
        EXPECT_EQ(std::tuple(request.outcome, request.error), std::tuple(outcome, std::wstring(error))) << arguments;
    }
}

TEST(ConsoleArguments, TheUsageAndAnErrorBeforeIt)
{
    const std::wstring usage =
        L"Использование: vennick-cli [/contains] [/replaced] [/format:table|csv|json] [/out:ФАЙЛ] МОДУЛЬ\r\n"
        L"  /contains       искать МОДУЛЬ в любой части пути\r\n"
        L"  /replaced       только процессы со старой копией модуля\r\n"
        L"  /format:ФОРМАТ  table (по умолчанию), csv или json\r\n"
        L"  /out:ФАЙЛ       записать вывод в файл\r\n"
        L"  код 0           ничего не найдено, проверены все процессы\r\n"
        L"  код 1           модуль найден (с /replaced: найдена старая копия)\r\n"
        L"  код 2           ничего не найдено, но проверены не все процессы (защищённые не в счёт)\r\n"
        L"  код 3           ошибка в командной строке\r\n"
        L"  код 4           сбой поиска или записи вывода\r\n";
    EXPECT_EQ(ConsoleUsage(), usage);
    EXPECT_EQ(UsageErrorText(ParseConsoleArguments(L"/x")), L"Неизвестный ключ: /x.\r\n" + usage);
}
