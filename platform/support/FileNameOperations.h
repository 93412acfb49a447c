#pragma once
// The support library's operations on file names that ask the file system.
#include <string>

// The full form of a path (made absolute against the current directory).
std::wstring qsGetFullFileName(const std::wstring& path);

// The file system's short (8.3) form of an existing path; empty when it has none.
std::wstring qsGetShortFileName(const std::wstring& path);

// The process's current directory.
std::wstring CurrentDirectory();
