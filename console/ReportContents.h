#pragma once
// What a report tells beyond its fields.
#include "ConsoleReport.h"

// True when every process was examined but the protected ones, which no rights examine: only
// then can "nothing found" be trusted.
bool ReportIsComplete(const Report& report);
