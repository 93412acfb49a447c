#include <gtest/gtest.h>

#include "console/ExitCode.h"
#include "console/ReportContents.h"

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

TEST(ConsoleExitCode, ReplacedKeepsOnlyTheRowsOfReplacedAndGoneCopiesAndTheRestOfTheReport)
{
    Report report = ReportOf(0, {UnexaminedReason::Refused});
    report.specification = L"x.dll";
    report.summary = L"Найдено строк: 4, процессов: 4. Не удалось проверить процессов: 1.";
    const std::pair<std::uint32_t, ModuleCopy> copies[] = {
        {1, ModuleCopy::Same}, {2, ModuleCopy::Replaced}, {3, ModuleCopy::Gone}, {4, ModuleCopy::Unknown}};
    for (const auto& [id, copy] : copies) report.rows.push_back({.processId = id, .copy = copy});
    const Report old = OnlyOldCopies(report);
    std::vector<std::uint32_t> ids;
    for (const ReportRow& row : old.rows) ids.push_back(row.processId);
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(std::tuple(old.specification, old.unexamined.size(), old.summary),
              std::tuple(report.specification, std::size_t{1}, report.summary));

    report.rows.erase(report.rows.begin() + 1, report.rows.begin() + 3);
    EXPECT_EQ(ExitCodeFor(ArgumentsOutcome::Search, false, OnlyOldCopies(report)), ExitCode::NothingFoundUnsure)
        << "the code is that of the rows given out";
}
