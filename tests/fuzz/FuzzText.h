#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Arbitrary bytes as UTF-16 code units (pairs of bytes), the way Windows texts arrive.
inline std::wstring TextFromBytes(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}
