#pragma once
#include <windows.h>

#include <string_view>

// Puts the text on the clipboard as Unicode text, for the window `owner`: ERROR_SUCCESS,
// else why the clipboard could not take it.
DWORD PutTextOnClipboard(HWND owner, std::wstring_view text);
