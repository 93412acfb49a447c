#include <gtest/gtest.h>

#include <atomic>

#include "search/ModuleVersionTexts.h"

// The reader is asked from the workers at once: it shares nothing but an atomic count.
TEST(ModuleVersionTexts, EachDistinctPathReadOnceOnManyWorkersALongOneInItsExtendedFormAZeroBuildLeftOut)
{
    std::atomic<int> reads{0};
    const std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\m0";
    ModuleVersionTexts versions([&](const std::wstring& path) -> std::optional<FileVersion> {
        ++reads;
        if (path == L"\\\\?\\" + deep) return FileVersion{5, 1, 0, 2600};  // only in the form the loader takes
        if (path.back() == L'-') return std::nullopt;
        return FileVersion{5, 1, 3, static_cast<std::uint32_t>(path.size())};
    });
    std::vector<std::wstring> paths{deep, L"C:\\none-"};
    for (int i = 0; i < 300; ++i) paths.push_back(L"C:\\m" + std::wstring(static_cast<std::size_t>(i % 150), L'x'));
    versions.ReadAll(paths, 8);
    EXPECT_EQ(reads, 152) << "each distinct path once";
    EXPECT_EQ(versions.For(deep), L"5.1.2600");
    EXPECT_EQ(versions.For(L"C:\\none-"), L"---");
    EXPECT_EQ(versions.For(L"C:\\mx"), L"5.1.3.5");
    EXPECT_EQ(reads, 152) << "what was read is not read again";
    EXPECT_EQ(versions.For(L"C:\\new"), L"5.1.3.6");
    EXPECT_EQ(reads, 153) << "and what was not, is read when asked";
}
