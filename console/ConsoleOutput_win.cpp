#include "ConsoleOutput.h"

#include <algorithm>
#include <string>

#include "TextEncoding.h"

namespace {

// WriteConsoleW takes no more than this at once on every Windows.
constexpr std::size_t kConsolePiece = 8192;

DWORD WriteToConsole(HANDLE console, std::wstring_view text)
{
    while (!text.empty()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min(text.size(), kConsolePiece));
        if (!WriteConsoleW(console, text.data(), piece, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        text.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

DWORD WriteBytes(HANDLE stream, const std::string& bytes)
{
    std::string_view rest(bytes);
    while (!rest.empty()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
        if (!WriteFile(stream, rest.data(), piece, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        rest.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

}  // namespace

DWORD WriteToStandardStream(DWORD stream, std::wstring_view text)
{
    const HANDLE handle = GetStdHandle(stream);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError();
    if (handle == nullptr) return ERROR_SUCCESS;  // no stream at all: nothing to write to
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) return WriteToConsole(handle, text);
    return WriteBytes(handle, Utf8FromUtf16(text));
}
