#pragma once
#include <windows.h>

#include <string>

// Starts a program through the shell ("open", in the given working folder, shown as
// the program wants), without waiting for it; an elevated program starts it through the
// desktop's shell, with the user's own rights, where one answers. No message of the
// system's own: false when the program could not be started.
bool StartProgram(HWND owner, const std::wstring& program, const std::wstring& workingFolder);

// ShellExecuteExW with the verb ("open", "runas"), without the shell's own failure box
// and without waiting for the program: ERROR_SUCCESS once it has started, else why not.
DWORD ExecuteThroughShell(HWND owner, const wchar_t* verb, const std::wstring& program, const std::wstring& parameters,
                          const std::wstring& folder, int show);
