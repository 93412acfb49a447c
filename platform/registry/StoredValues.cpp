#include "StoredValues.h"

namespace {

constexpr std::uint32_t kNarrowestColumnTwips = 150;
constexpr std::uint32_t kWidestColumnTwips = 150'000;
constexpr std::size_t kLongestPath = 32'767;

}  // namespace

std::optional<std::wstring> StoredText(const StoredValue& value)
{
    if (value.type != kStoredText) return std::nullopt;
    std::wstring text;
    for (std::size_t i = 0; i + 1 < value.bytes.size(); i += 2) {
        const auto unit = static_cast<wchar_t>(value.bytes[i] | (value.bytes[i + 1] << 8));
        if (unit == L'\0') break;
        text.push_back(unit);
    }
    return text;
}

std::optional<int> StoredColumnWidth(const StoredValue& value)
{
    if (value.type != kStoredNumber || value.bytes.size() != 4) return std::nullopt;
    const std::uint32_t twips = value.bytes[0] | (value.bytes[1] << 8) | (value.bytes[2] << 16) |
                                (static_cast<std::uint32_t>(value.bytes[3]) << 24);
    if (twips < kNarrowestColumnTwips || twips > kWidestColumnTwips) return std::nullopt;
    return static_cast<int>(twips);
}

std::optional<std::wstring> StoredFolder(const StoredValue& value)
{
    std::optional<std::wstring> text = StoredText(value);
    if (!text || text->empty() || text->size() > kLongestPath) return std::nullopt;
    return text;
}
