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
//
//   :END
#include <string>
#include <string_view>
#include <vector>

// The path with every % doubled: the command interpreter would read a single % as the
// start of a variable and start another file.
std::wstring EscapeBatchPercent(std::wstring_view path);

// The file's bytes for the given paths, already escaped and in the OEM code page.
std::string RestartBatchText(const std::vector<std::string>& oemPaths);
