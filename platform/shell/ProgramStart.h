#pragma once
#include <windows.h>

#include <string>

// ShellExecuteExW with the verb ("open", "runas"), without the shell's own failure box
// and without waiting for the program: ERROR_SUCCESS once it has started, else why not.
DWORD ExecuteThroughShell(HWND owner, const wchar_t* verb, const std::wstring& program, const std::wstring& parameters,
                          const std::wstring& folder, int show);
