#pragma once
#include <string>
#include <string_view>

// The layout of every message box text made of two parts: a message about one file or
// program (its full path, then the sentence), an error report (the text, then the
// failure's description), the about box's parts. The parts stand apart by one empty line.
std::wstring MessageParagraphs(std::wstring_view first, std::wstring_view second);
