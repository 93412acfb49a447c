#pragma once
// File names that only the file system can give.
#include <string>

// The full form of a path (made absolute against the current directory).
std::wstring FullPathOf(const std::wstring& path);

// The file system's short (8.3) form of an existing path; empty when it has none.
std::wstring ShortPathOf(const std::wstring& path);

// The process's current directory.
std::wstring CurrentDirectory();

// The system's folder (System32), and the folder of its 32-bit modules (SysWOW64; empty
// where the system has none).
std::wstring SystemFolder();
std::wstring Wow64SystemFolder();
