#pragma once
#include <cstdint>
#include <string>

// Reads the four version numbers of a file's version resource.
class FileVersionInfo {
public:
    // True when the file's version resource was read; the numbers are then its own.
    bool ReadVersion(const std::wstring& path);

    std::uint32_t Major() const { return major_; }
    std::uint32_t Minor() const { return minor_; }
    std::uint32_t Build() const { return build_; }
    std::uint32_t Revision() const { return revision_; }

private:
    std::uint32_t major_ = 0;
    std::uint32_t minor_ = 0;
    std::uint32_t build_ = 0;
    std::uint32_t revision_ = 0;
};
