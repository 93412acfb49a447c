#include "ProgramStart.h"

#include <shellapi.h>

DWORD ExecuteThroughShell(HWND owner, const wchar_t* verb, const std::wstring& program, const std::wstring& parameters,
                          const std::wstring& folder, int show)
{
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    // FLAG_NO_UI: the program reports a failure itself; the shell's own box would come
    // first and block.
    start.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    start.hwnd = owner;
    start.lpVerb = verb;
    start.lpFile = program.c_str();
    start.lpParameters = parameters.c_str();
    start.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    start.nShow = show;
    return ShellExecuteExW(&start) ? ERROR_SUCCESS : GetLastError();
}
