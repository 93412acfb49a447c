#include "ReportContents.h"

#include <algorithm>

bool ReportIsComplete(const Report& report)
{
    return std::all_of(report.unexamined.begin(), report.unexamined.end(),
                       [](const ReportUnexamined& process) { return process.reason == UnexaminedReason::Protected; });
}

Report OnlyOldCopies(Report report)
{
    std::erase_if(report.rows, [](const ReportRow& row) {
        return row.copy != ModuleCopy::Replaced && row.copy != ModuleCopy::Gone;
    });
    return report;
}
