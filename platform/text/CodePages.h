#pragma once
#include <optional>
#include <string>
#include <string_view>

// The text in the OEM code page (the one the command interpreter reads batch files
// in); nullopt when a character has no place in that code page.
std::optional<std::string> ToOemCodePage(std::wstring_view text);

// The text in the given code page; nullopt when a character has no place in it. A
// failed conversion throws SystemError.
std::optional<std::string> EncodeForCodePage(std::wstring_view text, unsigned codePage);
