#include <gtest/gtest.h>

#include <tuple>

#include "platform/registry/StoredValues.h"

namespace {

StoredValue Number(std::uint32_t value)
{
    return {4, {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)}};
}

StoredValue Text(const std::u16string& text, std::size_t extraBytes = 0)
{
    StoredValue value{1, {}};
    for (char16_t c : text) {
        value.bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        value.bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    value.bytes.resize(value.bytes.size() + extraBytes, 0x41);
    return value;
}

}  // namespace

// Anyone may have written anything there: only what the program writes is taken, the rest reads as the default.
TEST(StoredValues, AColumnWidthIsAFourByteNumberFrom150To150000Twips)
{
    const std::pair<StoredValue, std::optional<int>> cases[] = {
        {Number(2445), 2445}, {Number(150), 150}, {Number(150'000), 150'000},
        {Number(149), std::nullopt}, {Number(0), std::nullopt},  // a column that could never be seen again
        {Number(150'001), std::nullopt}, {Number(0xFFFFFF6A), std::nullopt},  // -150
        {{4, {0x98, 0x09, 0x00}}, std::nullopt},  // three bytes
        {{4, {0x98, 0x09, 0x00, 0x00, 0x00}}, std::nullopt},
        {{11, {0x98, 0x09, 0, 0, 0, 0, 0, 0}}, std::nullopt},  // a REG_QWORD
        {Text(u"3000"), std::nullopt},
    };
    for (const auto& [value, width] : cases) EXPECT_EQ(StoredColumnWidth(value), width) << value.bytes.size();
}

TEST(StoredValues, AFolderIsARegSzTextOfAtMost32767Characters)
{
    const std::u16string longest(32'767, u'd');
    const std::tuple<StoredValue, std::optional<std::wstring>, const char*> cases[] = {
        {Text(u"C:\\Batch\\x"), L"C:\\Batch\\x", "without its NUL"},
        {Text(std::u16string(u"C:\\Б\0garbage", 12)), L"C:\\Б", "up to the first NUL"},
        {Text(u"C:\\a", 1), L"C:\\a", "an odd last byte is no character"},
        {Text(longest), std::wstring(longest.begin(), longest.end()), "the longest path"},
        {Text(longest + u"d"), std::nullopt, "longer than any path"},
        {Text(u""), std::nullopt, "empty"},
        {{2, Text(u"%TEMP%").bytes}, std::nullopt, "a REG_EXPAND_SZ"},
        {Number(7), std::nullopt, "a number"},
    };
    for (const auto& [value, folder, why] : cases) EXPECT_EQ(StoredFolder(value), folder) << why;
}
