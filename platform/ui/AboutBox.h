#pragma once
#include <string>
#include <string_view>

// The about box's text: the program's name and version, the given text (when not empty)
// and the author string, each part after an empty line.
std::wstring AboutText(std::wstring_view text, std::wstring_view author);

// The about box: a modal box owned by the main window with the program's icon and
// AboutText.
void ShowAboutBox(std::wstring_view text, std::wstring_view author);
