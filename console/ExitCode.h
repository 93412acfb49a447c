#pragma once
// The console program's exit code, for a script's "if".
#include "ConsoleArguments.h"
#include "ConsoleReport.h"

enum class ExitCode : int {
    NothingFound = 0,         // and every process was examined (or the usage was asked for)
    Found = 1,                // some row is reported
    NothingFoundUnsure = 2,   // no row, but a process other than a protected one could not be examined
    UsageError = 3,
    Failure = 4,              // the search, or writing its output, failed
};

// From what the arguments asked for, whether the program failed, and the report as given out
// (after /replaced). A usage error outranks a failure, a failure any report, a row an unsure
// "nothing"; the usage asked for is no search, and only a failure to print it counts.
ExitCode ExitCodeFor(ArgumentsOutcome outcome, bool failed, const Report& reported);
