#include "HostEnvironment.h"

#include <windows.h>

namespace {

class SystemHostEnvironment final : public HostEnvironment {
public:
    // The program needs the NT family's API (it is built for Windows 7 and later and,
    // as a 64-bit program, could not even start on the 9x family).
    bool IsWindows9xFamily() override { return false; }
    bool IsDebuggerAttached() override { return IsDebuggerPresent() != FALSE; }
};

}  // namespace

template <>
HostEnvironment& Seam<HostEnvironment>::Default()
{
    static SystemHostEnvironment host;
    return host;
}

bool IsWindows9xFamily() { return Seam<HostEnvironment>::Current().IsWindows9xFamily(); }
bool IsDebuggerAttached() { return Seam<HostEnvironment>::Current().IsDebuggerAttached(); }
