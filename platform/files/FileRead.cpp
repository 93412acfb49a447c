#include "FileRead.h"

#include "platform/UniqueResource.h"

FileStart ReadFileStart(const std::wstring& path, std::size_t size)
{
    FileStart start;
    const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        start.error = GetLastError();
        return start;
    }
    start.bytes.resize(size);
    DWORD read = 0;
    if (!ReadFile(file.get(), start.bytes.data(), static_cast<DWORD>(size), &read, nullptr)) start.error = GetLastError();
    start.bytes.resize(read);
    return start;
}
