#pragma once
#include <windows.h>

#include <string_view>

// Puts the text on the clipboard as Unicode text, for the window `owner`; false when the
// clipboard could not be had, with the reason in the last error.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);
