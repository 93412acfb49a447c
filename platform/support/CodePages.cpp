#include "CodePages.h"

#include <windows.h>

std::optional<std::string> qsAnsiToOem(std::wstring_view text)
{
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    // No best fit: a character without its own byte must not turn into a look-alike.
    const int bytes = WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                          &usedDefault);
    if (bytes == 0 || usedDefault) return std::nullopt;
    std::string converted(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), length, converted.data(), bytes, nullptr,
                        &usedDefault);
    return converted;
}
