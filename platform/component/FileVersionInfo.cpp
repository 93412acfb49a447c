#include "FileVersionInfo.h"

#include <windows.h>
#include <winver.h>

#include <vector>

bool FileVersionInfo::ReadVersion(const std::wstring& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return false;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return false;

    void* block = nullptr;
    UINT blockSize = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &blockSize) || blockSize < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
    if (fixed->dwSignature != VS_FFI_SIGNATURE) return false;

    major_ = HIWORD(fixed->dwFileVersionMS);
    minor_ = LOWORD(fixed->dwFileVersionMS);
    build_ = HIWORD(fixed->dwFileVersionLS);
    revision_ = LOWORD(fixed->dwFileVersionLS);
    return true;
}
