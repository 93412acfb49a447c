#pragma once
// The restart batch file: it starts every listed program again, on either Windows
// family. The file is single-byte text in the OEM code page, lines ending in CR LF:
//
//   IF "%OS%"=="Windows_NT" GOTO WIN_NT
//
//     START "<path>"            one line per process (9x family)
//     GOTO END
//
//   :WIN_NT
//
//     START "" "<path>"         one line per process (NT family)
//     NET START "<service>"     instead, one line per service of a process that hosts services
//     START "" "shell:AppsFolder\<id>"
//                               instead, for a packaged application
//
//   :END
#include <string>
#include <string_view>
#include <vector>

// The path with every % doubled: the command interpreter would read a single % as the
// start of a variable and start another file.
std::wstring EscapeBatchPercent(std::wstring_view path);

// One listed process in the file: its program's path, or the services it hosts (which the
// 9x family has none of); each already escaped and in the OEM code page.
struct BatchEntry {
    std::string program;
    std::vector<std::string> services;  // none: a program, started by its path
    // What the NT block starts instead of the path: a packaged application, which cannot be
    // started by its path ("shell:AppsFolder\<id>"); empty for any other program.
    std::string ntTarget;
};

// The file's bytes for the listed processes, in their order.
std::string RestartBatchText(const std::vector<BatchEntry>& entries);
