#pragma once
// The console program's output streams: a console takes the text as it is, anything else (a
// file, a pipe: a script reading it) as UTF-8.
#include <windows.h>

#include <string_view>

// Writes the text to the standard stream (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE):
// ERROR_SUCCESS, else why it could not.
DWORD WriteToStandardStream(DWORD stream, std::wstring_view text);
