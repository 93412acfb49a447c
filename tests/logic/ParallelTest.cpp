#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "platform/Parallel.h"

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
}
