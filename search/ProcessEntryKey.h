#pragma once
// The process entry key that every result row keeps:
//   "&H" + eight hexadecimal digits of the process id + "|" + the program's full path.
// The id field has a fixed width, so the text always starts at the twelfth character
// and may itself contain "|".
#include <cstdint>
#include <string>
#include <string_view>

std::wstring MakeProcessEntryKey(std::int32_t processId, std::wstring_view text);

// The process id of a key; 0 when its first ten characters are not a number that fits
// in 32 bits. "&H" digits are read as a 32-bit pattern (&HFFFFFFFF is -1), any other
// number as decimal.
std::int32_t ProcessIdOfKey(std::wstring_view key);

// The key's text, the program's path: from its twelfth character on; empty for a
// shorter key.
std::wstring ProgramPathOfKey(std::wstring_view key);
