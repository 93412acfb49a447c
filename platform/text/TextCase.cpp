#include "TextCase.h"

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() && ToUpperCase(a) == ToUpperCase(b);
}
