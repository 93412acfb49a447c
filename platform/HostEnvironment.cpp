#include "HostEnvironment.h"

#include <windows.h>

#include "platform/text/TextOperations.h"

namespace {

class SystemHostEnvironment final : public HostEnvironment {
public:
    // The program needs the NT family's API (it is built for Windows 7 and later and,
    // as a 64-bit program, could not even start on the 9x family).
    bool IsWindows9xFamily() override { return false; }
    bool IsDebuggerAttached() override { return IsDebuggerPresent() != FALSE; }
    bool IsOnFixedDrive(const std::wstring& path) override
    {
        const std::wstring root = DriveRootOf(path);
        return !root.empty() && GetDriveTypeW(root.c_str()) == DRIVE_FIXED;
    }
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
bool IsOnFixedDrive(const std::wstring& path) { return Seam<HostEnvironment>::Current().IsOnFixedDrive(path); }
