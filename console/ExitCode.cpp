#include "ExitCode.h"

#include "ReportContents.h"

ExitCode ExitCodeFor(ArgumentsOutcome outcome, bool failed, const Report& reported)
{
    if (outcome == ArgumentsOutcome::UsageError) return ExitCode::UsageError;
    if (failed) return ExitCode::Failure;
    if (outcome == ArgumentsOutcome::Help) return ExitCode::NothingFound;
    if (!reported.rows.empty()) return ExitCode::Found;
    return ReportIsComplete(reported) ? ExitCode::NothingFound : ExitCode::NothingFoundUnsure;
}
