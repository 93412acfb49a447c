#include "FileNames.h"

#include <windows.h>

#include "platform/SystemError.h"

namespace {

// Calls a path-returning function that tells the size it needs when the buffer is short.
template <class Call>
std::wstring PathFrom(Call call, std::wstring_view operation, bool emptyIsFailure)
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            if (emptyIsFailure) ThrowLastError(operation);
            return {};
        }
        if (length < buffer.size()) return buffer.substr(0, length);
        buffer.assign(length, L'\0');
    }
}

}  // namespace

std::wstring FullPathOf(const std::wstring& path)
{
    if (path.empty()) return path;
    return PathFrom([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); },
                    L"GetFullPathName", true);
}

std::wstring ShortPathOf(const std::wstring& path)
{
    return PathFrom([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); },
                    L"GetShortPathName", false);
}

std::wstring SystemFolder()
{
    return PathFrom([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); },
                    L"GetSystemDirectory", true);
}

std::wstring Wow64SystemFolder()
{
    return PathFrom([](wchar_t* buffer, DWORD size) { return GetSystemWow64DirectoryW(buffer, size); },
                    L"GetSystemWow64Directory", false);
}

std::wstring CurrentDirectory()
{
    return PathFrom([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); },
                    L"GetCurrentDirectory", true);
}
