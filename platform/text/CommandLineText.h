#pragma once
#include <string>
#include <string_view>

// The text after the program's name in the process's command line: the name is the
// first quoted part, or runs to the first blank or tab; the blanks and tabs after it
// only separate it and are not part of the text.
std::wstring CommandLineArguments(std::wstring_view commandLine);
