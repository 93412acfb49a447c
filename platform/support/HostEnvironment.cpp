#include "HostEnvironment.h"

#include <windows.h>

namespace {

class SystemHostEnvironment final : public HostEnvironment {
public:
    // The program needs the NT family's API (it is built for Windows 7 and later and,
    // as a 64-bit program, could not even start on the 9x family).
    bool IsHostWin9x() override { return false; }
    bool IsInIDE() override { return IsDebuggerPresent() != FALSE; }
};

}  // namespace

template <>
HostEnvironment& Seam<HostEnvironment>::Default()
{
    static SystemHostEnvironment host;
    return host;
}

bool qsIsHostWin9x() { return Seam<HostEnvironment>::Current().IsHostWin9x(); }
bool qsIsInIDE() { return Seam<HostEnvironment>::Current().IsInIDE(); }
