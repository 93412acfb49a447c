#include "TextOperations.h"

#include <algorithm>

namespace {

bool IsFolderSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::size_t LastSeparator(std::wstring_view path)
{
    return path.find_last_of(L"\\/");
}

std::wstring_view TrimBlanks(std::wstring_view text)
{
    constexpr std::wstring_view kSurrounding(L" \t\r\n\0", 5);
    const std::size_t first = text.find_first_not_of(kSurrounding);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSurrounding) - first + 1);
}

}  // namespace

std::wstring FileNameOf(std::wstring_view path)
{
    const std::size_t separator = LastSeparator(path);
    return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

std::wstring FolderOf(std::wstring_view path)
{
    std::size_t separator = LastSeparator(path);
    if (separator == std::wstring_view::npos) return {};
    // "C:\x.exe" lives in "C:\", not in "C:" (which names the drive's current folder).
    const bool driveRoot = separator == 2 && path[1] == L':';
    if (driveRoot || separator == 0) return std::wstring(path.substr(0, separator + 1));
    while (separator > 0 && IsFolderSeparator(path[separator - 1])) --separator;
    return std::wstring(path.substr(0, separator));
}

std::wstring EightHexDigits(std::int32_t value)
{
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(value);
    std::wstring text(8, L'0');
    for (auto it = text.rbegin(); it != text.rend(); ++it, bits >>= 4) *it = kDigits[bits & 0xF];
    return text;
}

std::wstring ProcessIdForMessage(std::int32_t value)
{
    return L" 0x" + EightHexDigits(value) + L" (" + std::to_wstring(static_cast<std::uint32_t>(value)) + L")";
}

std::wstring FormatVersion(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    return std::to_wstring(a) + L'.' + std::to_wstring(b) + L'.' + std::to_wstring(c);
}

std::wstring FormatVersion(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d)
{
    return FormatVersion(a, b, c) + L'.' + std::to_wstring(d);
}

std::wstring TrimBlanksAndQuotes(std::wstring_view text)
{
    text = TrimBlanks(text);
    // Only a pair that encloses the whole: in "a" "b" the first quote closes at the a.
    const bool enclosed = text.size() >= 2 && text.front() == L'"' && text.find(L'"', 1) == text.size() - 1;
    return std::wstring(enclosed ? TrimBlanks(text.substr(1, text.size() - 2)) : text);
}

std::wstring StringFromBuffer(const wchar_t* buffer, std::size_t capacity)
{
    const wchar_t* end = std::find(buffer, buffer + capacity, L'\0');
    return std::wstring(buffer, end);
}

std::wstring ExtendedLengthPath(std::wstring_view path)
{
    constexpr std::size_t kMaxPath = 260;
    if (path.size() < kMaxPath) return std::wstring(path);
    const bool drive = path.size() > 2 && path[1] == L':' && IsFolderSeparator(path[2]);
    const bool unc = path.size() > 2 && IsFolderSeparator(path[0]) && IsFolderSeparator(path[1]) && path[2] != L'?' &&
                     path[2] != L'.';
    // The extended form is taken as it stands: its separators must be backslashes.
    std::wstring separated(path);
    std::replace(separated.begin(), separated.end(), L'/', L'\\');
    if (drive) return L"\\\\?\\" + separated;
    if (unc) return L"\\\\?\\UNC\\" + separated.substr(2);
    return std::wstring(path);
}

std::wstring DriveRootOf(std::wstring_view path)
{
    if (path.substr(0, 4) == L"\\\\?\\") path.remove_prefix(4);
    const bool drive = path.size() >= 3 && path[1] == L':' && IsFolderSeparator(path[2]) &&
                       ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
    return drive ? std::wstring(path.substr(0, 2)) + L'\\' : std::wstring();
}

std::wstring PathInFolder(std::wstring_view folder, std::wstring_view name)
{
    std::wstring path(folder);
    if (!path.empty() && !IsFolderSeparator(path.back())) path += L'\\';
    return path.append(name);
}
