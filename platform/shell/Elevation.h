#pragma once
// The program's rights under User Account Control, and starting programs with more or
// fewer of them: a seam, so that tests can take either token and answer the shell.
#include <windows.h>

#include <string>

#include "platform/Seam.h"

class Elevation {
public:
    virtual ~Elevation() = default;
    // Whether the program runs elevated (TokenElevation).
    virtual bool IsElevated() = 0;
    // Starts the program with full rights (the "runas" verb), in the folder: ERROR_SUCCESS
    // once it has started, ERROR_CANCELLED when the user declined, else why not.
    virtual DWORD StartElevated(HWND owner, const std::wstring& program, const std::wstring& arguments,
                                const std::wstring& folder) = 0;
    // Starts the program through the desktop's shell, with the rights the user's programs
    // have there, in the folder: ERROR_SUCCESS, ERROR_NOT_SUPPORTED when no desktop shell
    // answers, else why not. The shell says nothing of a program that is not there.
    virtual DWORD StartThroughDesktop(const std::wstring& program, const std::wstring& folder) = 0;
    // Starts the program itself ("open"), with this program's own rights, in the folder
    // (none when empty): ERROR_SUCCESS once it has started, else why not.
    virtual DWORD StartDirectly(HWND owner, const std::wstring& program, const std::wstring& folder) = 0;
    // Lets `message` reach the window from programs with fewer rights (an Explorer that
    // restarts); false when the system refused.
    virtual bool AllowMessageFromFewerRights(HWND window, UINT message) = 0;
};
template <>
Elevation& Seam<Elevation>::Default();
