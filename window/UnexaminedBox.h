#pragma once
#include <windows.h>

#include <string>

// The box that lists the processes the last search could not examine, one a line, in
// a text the user can select and copy: a tooltip or a message box cannot hold hundreds.
void ShowUnexaminedBox(HWND owner, const std::wstring& list);
