#pragma once
// Paths and numbers as text: plain string work, the same on every system.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The file-name part of a path: what follows its last folder separator (\ or /).
std::wstring FileNameOf(std::wstring_view path);

// The folder part of a path, without a final separator except for a drive's root
// ("C:\"); empty when the path names no folder.
std::wstring FolderOf(std::wstring_view path);

// Exactly eight upper-case hexadecimal digits of the 32-bit pattern.
std::wstring EightHexDigits(std::int32_t value);

// A process id for a message, to follow a word directly: a blank, "0x", eight
// hexadecimal digits and the decimal value in parentheses (" 0x000004D2 (1234)").
std::wstring ProcessIdForMessage(std::int32_t value);

// "a.b.c" and "a.b.c.d", decimal, in the order given.
std::wstring FormatVersion(std::uint32_t a, std::uint32_t b, std::uint32_t c);
std::wstring FormatVersion(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d);

// The text without what surrounds it: blanks, tabs, line breaks and NULs at either end,
// then at most one pair of double quotes that encloses the whole (with what they
// enclose trimmed too), so that "my module.dll" names the module while "a" "b" stays.
std::wstring TrimBlanksAndQuotes(std::wstring_view text);

// The text of a fixed character buffer up to its first NUL (the whole buffer if it
// holds none): never reads past `capacity` characters.
std::wstring StringFromBuffer(const wchar_t* buffer, std::size_t capacity);

// A path of MAX_PATH (260) characters or more in the form Windows takes at any length:
// "\\?\C:\..." or "\\?\UNC\server\share\...". Shorter paths, and paths that are not full
// ones, come back as they are.
std::wstring ExtendedLengthPath(std::wstring_view path);

// The root of a path on a drive letter ("C:\" of "C:\x\a.exe" or of "\\?\C:\x"); empty for a UNC path,
// a path on no drive, or one that is not a full path.
std::wstring DriveRootOf(std::wstring_view path);

// The folder and the name joined by one separator.
std::wstring PathInFolder(std::wstring_view folder, std::wstring_view name);
