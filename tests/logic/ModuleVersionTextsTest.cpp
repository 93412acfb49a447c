#include <gtest/gtest.h>

#include "search/ModuleVersionTexts.h"

TEST(ModuleVersionTexts, EachPathReadOnceALongOneInItsExtendedFormAndAZeroBuildLeftOut)
{
    std::vector<std::wstring> read;
    ModuleVersionTexts versions([&](const std::wstring& path) -> std::optional<FileVersion> {
        read.push_back(path);
        if (path.back() == L'3') return FileVersion{5, 1, 3, 2600};
        if (path.back() == L'0') return FileVersion{5, 1, 0, 2600};
        return std::nullopt;
    });
    const std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\m0";
    EXPECT_EQ(versions.For(L"C:\\m3"), L"5.1.3.2600");
    EXPECT_EQ(versions.For(deep), L"5.1.2600");
    EXPECT_EQ(versions.For(L"C:\\none"), L"---");
    EXPECT_EQ(versions.For(L"C:\\m3"), L"5.1.3.2600");
    EXPECT_EQ(read, (std::vector<std::wstring>{L"C:\\m3", L"\\\\?\\" + deep, L"C:\\none"}));
}
