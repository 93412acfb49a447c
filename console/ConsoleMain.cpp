// vennick-cli: the module search for scripts and for many machines. It prints what the
// window would list, in a table, CSV or JSON, and says by its exit code what it found. It
// never shows a window or a message box: in session 0 or a remoting session nobody could
// close one.
#include <windows.h>

#include <exception>

#include "ConsoleArguments.h"
#include "ConsoleOutput.h"
#include "ExitCode.h"
#include "ReportOfSearch.h"
#include "platform/ProgramBitness.h"
#include "platform/SystemError.h"
#include "platform/files/FileWrite.h"
#include "platform/text/CommandLineText.h"
#include "platform/text/MessageLayout.h"
#include "search/MemoryResultsList.h"
#include "search/ModuleSearch.h"

namespace {

int Code(ExitCode code) { return static_cast<int>(code); }

int Failed(const std::wstring& description)
{
    WriteToStandardStream(STD_ERROR_HANDLE, description + L"\r\n");
    return Code(ExitCode::Failure);
}

int Run(const ConsoleRequest& request)
{
    MemoryResultsList rows;
    const SearchOutcome outcome = SearchModule(rows, request.specification,
                                               request.contains ? MatchMode::Contains : MatchMode::EndsWith);
    if (outcome.listingFailure) {
        return Failed(MessageParagraphs(L"Can't enum processes!", SystemErrorDescription(outcome.listingFailure->errorCode)));
    }
    const Report report = ReportOfSearch(request.specification, request.contains, request.replacedOnly, rows, outcome);
    const std::wstring text = ReportText(report, request.format);
    if (request.format == ReportFormat::Csv && !report.unexamined.empty()) {
        WriteToStandardStream(STD_ERROR_HANDLE, UnexaminedCsvText(report));
    }
    if (request.outFile) {
        // One whole file: on any failure no part of it is left, and an old one is kept.
        WriteWholeFile(*request.outFile, OutputFileBytes(text, request.format));
    } else if (const DWORD error = WriteToStandardStream(STD_OUTPUT_HANDLE, text); error != ERROR_SUCCESS) {
        throw SystemError(L"WriteFile", error);
    }
    return Code(ExitCodeFor(ArgumentsOutcome::Search, false, report));
}

}  // namespace

int wmain(int, wchar_t**)
{
    // No box from the system either, for a drive without its medium.
    SetErrorMode(SEM_FAILCRITICALERRORS);
    const ConsoleRequest request = ParseConsoleArguments(CommandLineArguments(GetCommandLineW()));
    switch (request.outcome) {
    case ArgumentsOutcome::Help:
        return WriteToStandardStream(STD_OUTPUT_HANDLE, ConsoleUsage()) == ERROR_SUCCESS ? Code(ExitCode::NothingFound)
                                                                                          : Code(ExitCode::Failure);
    case ArgumentsOutcome::UsageError:
        WriteToStandardStream(STD_ERROR_HANDLE, UsageErrorText(request));
        return Code(ExitCode::UsageError);
    case ArgumentsOutcome::Search: break;
    }
    try {
        return Run(request);
    } catch (...) {
        return Failed(DescriptionOf(std::current_exception()));
    }
}
