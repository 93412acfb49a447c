#include "ReportContents.h"

#include <algorithm>

bool ReportIsComplete(const Report& report)
{
    return std::all_of(report.unexamined.begin(), report.unexamined.end(),
                       [](const ReportUnexamined& process) { return process.reason == UnexaminedReason::Protected; });
}
