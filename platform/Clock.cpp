#include "Clock.h"

#include <windows.h>

namespace {

class SystemClock final : public Clock {
public:
    std::uint64_t NowMs() override { return GetTickCount64(); }
    void Pause(std::uint32_t milliseconds) override { Sleep(milliseconds); }
};

}  // namespace

template <>
Clock& Seam<Clock>::Default()
{
    static SystemClock clock;
    return clock;
}
