#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The four numbers of a file's version resource, in the order the resource gives them.
struct FileVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t revision = 0;

    bool operator==(const FileVersion&) const = default;
};

// The version resource of the file; nullopt when it has none that can be read.
std::optional<FileVersion> ReadFileVersion(const std::wstring& path);
