#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The first bytes of a file, as many as it has up to `size`, read without keeping anyone
// else from reading, writing, renaming or deleting it; or why it could not be opened or read.
struct FileStart {
    DWORD error = ERROR_SUCCESS;
    std::vector<std::uint8_t> bytes;
};
FileStart ReadFileStart(const std::wstring& path, std::size_t size);
