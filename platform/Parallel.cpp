#include "Parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

void ForEachIndexInParallel(std::size_t count, unsigned workers, const std::function<void(std::size_t)>& work)
{
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto takeIndices = [&] {
        for (std::size_t index = next++; index < count && !failed; index = next++) {
            try {
                work(index);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) failure = std::current_exception();
                failed = true;
            }
        }
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(workers, 1u), count) - (count > 0 ? 1 : 0);
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    try {
        for (std::size_t i = 0; i < helpers; ++i) threads.emplace_back(takeIndices);
    } catch (const std::system_error&) {
        // No more threads to be had: those there are, and this one, take every index all the same.
    }
    takeIndices();
    for (std::thread& thread : threads) thread.join();
    if (failure) std::rethrow_exception(failure);
}

unsigned WorkersForWaitingReads()
{
    return std::clamp(2 * std::thread::hardware_concurrency(), 2u, 8u);
}
