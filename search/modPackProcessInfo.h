#pragma once
// The process entry key kept in every results-list row's Tag:
//   "&H" + eight hexadecimal digits of the process id + "|" + the program's full path.
// The id field has a fixed width, so the text always starts at the twelfth character
// and may itself contain "|".
#include <cstdint>
#include <string>
#include <string_view>

std::wstring PackProcessInfo(std::int32_t processId, std::wstring_view text);

// The process id of a key; 0 when its first ten characters are not a number that fits
// in 32 bits. "&H" digits are read as a 32-bit pattern (&HFFFFFFFF is -1), any other
// number as decimal.
std::int32_t UnpackProcessID(std::wstring_view key);

// The key's text from its twelfth character on; empty for a shorter key.
std::wstring UnpackProcessText(std::wstring_view key);
