#include <gtest/gtest.h>

#include "console/ExitCode.h"
#include "console/ReportContents.h"
#include "console/ReportOfSearch.h"
#include "search/MemoryResultsList.h"

#include <tuple>

namespace {

Report ReportOf(std::size_t rows, std::vector<UnexaminedReason> unexamined)
{
    Report report;
    report.rows.resize(rows);
    for (UnexaminedReason reason : unexamined) report.unexamined.push_back({1, L"x.exe", reason});
    return report;
}

}  // namespace

TEST(ConsoleExitCode, AUsageErrorOutranksAFailureAFailureAnyFindingARowAnUnsureNothing)
{
    using enum ArgumentsOutcome;
    using enum UnexaminedReason;
    const std::tuple<ArgumentsOutcome, bool, Report, int> cases[] = {
        {UsageError, true, ReportOf(1, {Refused}), 3},
        {UsageError, false, ReportOf(0, {}), 3},
        {Search, true, ReportOf(1, {Refused}), 4},
        {Search, true, ReportOf(0, {}), 4},
        {Help, true, ReportOf(0, {}), 4},  // the usage could not be written
        {Search, false, ReportOf(2, {Refused, Failed}), 1},
        {Search, false, ReportOf(0, {Protected, Refused}), 2},
        {Search, false, ReportOf(0, {Failed}), 2},
        {Search, false, ReportOf(0, {Protected, Protected}), 0},  // no rights examine those: nothing is missed
        {Search, false, ReportOf(0, {}), 0},
        {Help, false, ReportOf(0, {}), 0},
    };
    for (const auto& [outcome, failed, report, code] : cases) {
        EXPECT_EQ(static_cast<int>(ExitCodeFor(outcome, failed, report)), code)
            << static_cast<int>(outcome) << " failed " << failed << " rows " << report.rows.size();
    }
}

// The search's rows as the report gives them out; /replaced keeps the old copies, and the sentence counts what is kept.
TEST(ConsoleReport, FromTheSearchsRowsWithServicesUnknownAsNullAndOnlyOldCopiesWithReplaced)
{
    MemoryResultsList rows;
    // the program, the version column, the module, the key, the start, the copy, the versions, the services, the owner
    const ResultRow same{L"svchost.exe (Dnscache)", L"6.1.7601", L"C:\\W\\s32\\x.dll",
                         L"&H00000010|C:\\W\\s32\\svchost.exe", 116444736000000000, ModuleCopy::Same,
                         FileVersion{6, 1, 0, 7601}, FileVersion{6, 1, 0, 7601},
                         ServiceHost{{{L"Dnscache", std::vector<std::wstring>{}}}, false}, ProcessOwner{0, false, L""}};
    const ResultRow replaced{L"app.exe", L"5.1.3.2600 (на диске 6.0.1)", same.modulePath, L"&H00000014|C:\\A\\app.exe",
                             same.processStart, ModuleCopy::Replaced, FileVersion{5, 1, 3, 2600},
                             FileVersion{6, 0, 0, 1}, ServiceHost{{}, true}, same.owner};
    for (const ResultRow& row : {same, replaced, replaced}) rows.Add(row);
    const SearchOutcome outcome{{{8, L"csrss.exe", true, true}, {12, L"", false, false}}, std::nullopt};

    const Report all = ReportOfSearch(L"x.dll", true, false, rows, outcome);
    ASSERT_EQ(all.rows.size(), 3u);
    const ReportRow& host = all.rows[0];
    EXPECT_EQ(std::tuple(host.processId, host.program, host.programPath, host.services, host.moduleVersion),
              std::tuple(16u, std::wstring(L"svchost.exe"), std::wstring(L"C:\\W\\s32\\svchost.exe"),
                         std::optional(std::vector<std::wstring>{L"Dnscache"}), std::optional<std::wstring>(L"6.1.7601")));
    EXPECT_EQ(all.rows[1].services, std::nullopt) << "a host whose services are unknown";
    EXPECT_EQ(std::tuple(all.rows[1].moduleVersion, all.rows[1].moduleVersionOnDisk, all.rows[1].listedVersion),
              std::tuple(std::optional<std::wstring>(L"5.1.3.2600"), std::optional<std::wstring>(L"6.0.1"),
                         std::wstring(L"5.1.3.2600 (на диске 6.0.1)")));
    EXPECT_EQ(all.unexamined[0].reason, UnexaminedReason::Protected);
    EXPECT_EQ(all.unexamined[1].reason, UnexaminedReason::Failed);
    EXPECT_EQ(all.summary, L"Найдено строк: 3, процессов: 2. Процессов со старой копией модуля: 1. Не удалось проверить "
                           L"процессов: 2.");

    const Report old = ReportOfSearch(L"x.dll", true, true, rows, outcome);
    EXPECT_EQ(old.rows.size(), 2u);
    EXPECT_EQ(old.summary, L"Найдено строк: 2, процессов: 1. Процессов со старой копией модуля: 1. Не удалось проверить "
                           L"процессов: 2.");
}
