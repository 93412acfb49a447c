#pragma once
// What the console program reports of one search: the rows the window would list, with the
// facts a script needs beside them, and the processes it could not examine.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "search/RunningCopy.h"  // ModuleCopy

struct ReportRow {
    std::uint32_t processId = 0;
    std::optional<std::uint64_t> processStart;          // FILETIME: 100-ns intervals since 1601-01-01 UTC
    std::wstring program;                               // the program's file name
    std::wstring programPath;                           // its full path
    std::optional<std::vector<std::wstring>> services;  // service names; empty: none; nullopt: a service host whose services are unknown
    std::optional<std::uint32_t> sessionId;             // nullopt where unknown
    std::optional<std::wstring> moduleVersion;          // of the running copy; nullopt where it cannot be read
    std::optional<std::wstring> moduleVersionOnDisk;    // of the file now at the path; nullopt where it has none or is gone
    ModuleCopy copy = ModuleCopy::Unknown;
    std::wstring modulePath;
    std::wstring listedProgram, listedVersion;          // the window's first two columns for the row, as shown
};
enum class UnexaminedReason { Refused, Protected, Failed };
struct ReportUnexamined { std::uint32_t processId = 0; std::wstring program; UnexaminedReason reason = UnexaminedReason::Failed; };
struct Report {
    std::wstring specification;
    bool contains = false;       // the contains test (else ends-with)
    std::vector<ReportRow> rows;
    std::vector<ReportUnexamined> unexamined;
    std::wstring summary;        // the window's status band sentence, given as is
};
