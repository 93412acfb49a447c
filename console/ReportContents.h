#pragma once
// What a report tells beyond its fields, and the report narrowed as /replaced asks.
#include "ConsoleReport.h"

// True when every process was examined but the protected ones, which no rights examine: only
// then can "nothing found" be trusted.
bool ReportIsComplete(const Report& report);

// The report with only the rows whose process runs an old copy of the module: one whose file
// was replaced at its path, or is gone from it. The summary is kept as given.
Report OnlyOldCopies(Report report);
