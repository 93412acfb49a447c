#pragma once
#include <cstddef>
#include <functional>

// Runs work(0) .. work(count - 1), each index once, on at most `workers` threads (the
// calling one among them) and returns when all have ended. The work of one index shares
// nothing with another's: it writes only what belongs to its index. The first failure a
// work throws is thrown here, once every thread has stopped; no index is started after it.
void ForEachIndexInParallel(std::size_t count, unsigned workers, const std::function<void(std::size_t)>& work);

// How many threads reads that mostly wait on the system get: twice the processors, from
// 2 to 8.
unsigned WorkersForWaitingReads();
