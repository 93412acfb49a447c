#include "TrayTooltip.h"

namespace {
bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
}  // namespace

std::wstring TrayTooltip(std::wstring_view caption, std::wstring_view specification)
{
    std::wstring tooltip(caption);
    if (!specification.empty()) tooltip.append(L" :: ").append(specification);
    return tooltip;
}

std::wstring FitToCapacity(std::wstring_view text, std::size_t capacity)
{
    if (capacity == 0) return {};
    if (text.size() < capacity) return std::wstring(text);
    if (capacity == 1) return {};
    std::size_t keep = capacity - 2;  // room for the ellipsis and the NUL
    if (keep > 0 && IsHighSurrogate(text[keep - 1])) --keep;
    return std::wstring(text.substr(0, keep)) + L'\u2026';
}
