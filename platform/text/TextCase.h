#pragma once
#include <string>
#include <string_view>

// Upper-casing for case-insensitive comparisons of paths and module names. On Windows
// it is the system's locale-aware mapping; elsewhere a portable table that covers the
// Latin, Greek and Cyrillic letters. Either way the result has the input's length, so
// both sides of a comparison go through the same one-to-one mapping.
std::wstring ToUpperCase(std::wstring_view text);

// True when the two texts are equal once both are upper-cased.
bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b);
