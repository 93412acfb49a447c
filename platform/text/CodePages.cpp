#include "CodePages.h"

#include <windows.h>

#include "platform/SystemError.h"

std::optional<std::string> ToOemCodePage(std::wstring_view text) { return EncodeForCodePage(text, GetOEMCP()); }

std::optional<std::string> EncodeForCodePage(std::wstring_view text, unsigned codePage)
{
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    // UTF-8 (a system set to use it) holds every character but a lone surrogate, which
    // would silently turn into U+FFFD; it takes no used-default report. Elsewhere no
    // best fit: a character without its own byte must not turn into a look-alike.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const reportDefault = utf8 ? nullptr : &usedDefault;
    const int bytes = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, reportDefault);
    if (bytes == 0 && GetLastError() == ERROR_NO_UNICODE_TRANSLATION) return std::nullopt;
    if (bytes == 0) ThrowLastError(L"WideCharToMultiByte");
    if (usedDefault) return std::nullopt;
    std::string converted(static_cast<std::size_t>(bytes), '\0');
    if (WideCharToMultiByte(codePage, flags, text.data(), length, converted.data(), bytes, nullptr, reportDefault) !=
        bytes) {
        ThrowLastError(L"WideCharToMultiByte");
    }
    return converted;
}
