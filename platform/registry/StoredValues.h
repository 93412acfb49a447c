#pragma once
// What the program makes of a value it stored once: the registry gives back a type and
// bytes, which a user, another program or an older version may have changed to anything.
// Whatever is not what the program writes reads as "none", and the caller's default holds.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};

// The registry's types the program writes.
inline constexpr std::uint32_t kStoredText = 1;    // REG_SZ
inline constexpr std::uint32_t kStoredNumber = 4;  // REG_DWORD

// A REG_SZ value's text, up to its first NUL (a stored text need not end with one; an odd
// last byte is no character).
std::optional<std::wstring> StoredText(const StoredValue& value);

// A column's width in twips: a 4-byte REG_DWORD from 150 to 150,000 (a tenth of an inch
// to about 100 inches); a width of 0 would hide the column for good.
std::optional<int> StoredColumnWidth(const StoredValue& value);

// A folder: a REG_SZ text of 1 to 32,767 characters, the longest path Windows takes.
std::optional<std::wstring> StoredFolder(const StoredValue& value);
