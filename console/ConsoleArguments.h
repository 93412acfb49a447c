#pragma once
// What the console program's command line asks for, and the usage it prints.
#include <optional>
#include <string>
#include <string_view>

#include "ReportFormats.h"

enum class ArgumentsOutcome {
    Search,      // the module specification and the choices are read
    Help,        // /? stood among the switches: the usage, and nothing else
    UsageError,  // the message says what is wrong; the usage follows it
};

struct ConsoleRequest {
    ArgumentsOutcome outcome = ArgumentsOutcome::Search;
    std::wstring error;          // of a usage error: one line, without its line end
    std::wstring specification;  // never empty for a search
    bool contains = false;
    bool replacedOnly = false;
    ReportFormat format = ReportFormat::Table;
    std::optional<std::wstring> outFile;
};

// Reads the command line's text after the program's name (CommandLineArguments):
//   vennick-cli [/contains] [/replaced] [/format:table|csv|json] [/out:FILE] SPECIFICATION
// Switches come first, separated by blanks or tabs; their names and the format's values are
// case-insensitive. A quote only groups, so that a blank in it separates nothing; it is never
// part of a switch or its value (no file name can hold one): /out:"C:\a b\x.json" and
// PowerShell's "/out:C:\a b\x.json" both name C:\a b\x.json. The first word that does not start
// with "/" or with a quote and "/" starts the module specification, which runs to the end, trimmed as
// the window trims its own (TrimBlanksAndQuotes): a switch after it is part of it.
// A switch given twice takes its last value. /? anywhere among the switches asks for the usage,
// whatever else they hold; otherwise the first switch not known (a /format: with another value,
// an /out: without a file) is the error, and then a missing specification.
ConsoleRequest ParseConsoleArguments(std::wstring_view arguments);

// The usage: the form, a line a switch, a line an exit code; every line ended by CR LF.
std::wstring ConsoleUsage();

// What a usage error writes to standard error: the message on a line of its own, then the usage.
std::wstring UsageErrorText(const ConsoleRequest& request);
