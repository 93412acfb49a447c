#pragma once
#include <optional>
#include <string>
#include <string_view>

// The text in the OEM code page (the one the command interpreter reads batch files
// in), one byte per character; nullopt when a character has no place in that code page.
std::optional<std::string> qsAnsiToOem(std::wstring_view text);
