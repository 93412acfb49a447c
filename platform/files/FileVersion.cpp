#include "FileVersion.h"

#include <windows.h>
#include <winver.h>

#include <vector>

std::optional<FileVersion> ReadFileVersion(const std::wstring& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return std::nullopt;

    void* block = nullptr;
    UINT blockSize = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &blockSize) || blockSize < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
    if (fixed->dwSignature != VS_FFI_SIGNATURE) return std::nullopt;

    return FileVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                       LOWORD(fixed->dwFileVersionLS)};
}
