#pragma once
#include <cstdint>

#include "platform/Seam.h"

// The time that waits and retries are counted on: a seam, so that tests can let their
// time pass at once.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t NowMs() = 0;
    virtual void Pause(std::uint32_t milliseconds) = 0;
};
template <>
Clock& Seam<Clock>::Default();
