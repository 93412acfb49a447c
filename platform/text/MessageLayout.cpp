#include "MessageLayout.h"

std::wstring MessageParagraphs(std::wstring_view first, std::wstring_view second)
{
    return std::wstring(first).append(L"\r\n\r\n").append(second);
}
