#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "platform/Parallel.h"
#include "search/ModuleVersionTexts.h"

TEST(Parallel, EachIndexOnceIntoItsOwnSlotOnAnyNumberOfWorkersAndAFailureThrownOnTheCallersThread)
{
    for (const unsigned workers : {1u, 3u, 16u}) {
        std::vector<std::size_t> slots(1000, 0);
        ForEachIndexInParallel(slots.size(), workers, [&](std::size_t index) { slots[index] += index + 1; });
        for (std::size_t index = 0; index < slots.size(); ++index) ASSERT_EQ(slots[index], index + 1) << workers;
    }
    std::atomic<int> calls{0};
    ForEachIndexInParallel(0, 4, [&](std::size_t) { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_THROW(ForEachIndexInParallel(100, 4,
                                        [](std::size_t index) {
                                            if (index == 10) throw std::runtime_error("the tenth");
                                        }),
                 std::runtime_error);
    EXPECT_GE(WorkersForWaitingReads(), 2u);
    EXPECT_LE(WorkersForWaitingReads(), 8u);
}

TEST(ModuleVersionTexts, ReadOnManyWorkersEachDistinctPathOnceAndTheSameTextsAsOneByOne)
{
    std::atomic<int> reads{0};
    ModuleVersionTexts versions([&](const std::wstring& path) -> std::optional<FileVersion> {
        ++reads;
        if (path.back() == L'-') return std::nullopt;
        return FileVersion{5, 1, static_cast<std::uint32_t>(path.size() % 2), static_cast<std::uint32_t>(path.size())};
    });
    std::vector<std::wstring> paths;
    for (int i = 0; i < 300; ++i) paths.push_back(L"C:\\m" + std::wstring(static_cast<std::size_t>(i % 150), L'x'));
    paths.push_back(L"C:\\none-");
    versions.ReadAll(paths, 8);
    EXPECT_EQ(reads, 151) << "each distinct path once";
    EXPECT_EQ(versions.For(L"C:\\m"), L"5.1.4");
    EXPECT_EQ(versions.For(L"C:\\mx"), L"5.1.1.5");
    EXPECT_EQ(versions.For(L"C:\\none-"), L"---");
    EXPECT_EQ(reads, 151) << "what was read is not read again";
}
