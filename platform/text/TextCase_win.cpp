#include "TextCase.h"

#include <windows.h>

#include "platform/SystemError.h"

std::wstring ToUpperCase(std::wstring_view text)
{
    std::wstring result(text);
    if (result.empty()) return result;
    // LCMAP_UPPERCASE maps code unit for code unit, so the length never changes.
    const int written = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_UPPERCASE, text.data(),
                                      static_cast<int>(text.size()), result.data(),
                                      static_cast<int>(result.size()), nullptr, nullptr, 0);
    if (written != static_cast<int>(result.size())) ThrowLastError(L"LCMapStringEx");
    return result;
}
