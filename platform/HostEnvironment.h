#pragma once
#include <string>

#include "platform/Seam.h"

// Facts about where the program runs. A seam, so that tests can take both answers.
class HostEnvironment {
public:
    virtual ~HostEnvironment() = default;
    // True on the Windows 9x family (Windows 95, 98, Me).
    virtual bool IsWindows9xFamily() = 0;
    // True for a development run: the program runs under a debugger.
    virtual bool IsDebuggerAttached() = 0;
    // True when the path is on a fixed drive of this machine: not a network share, a mapped
    // or a subst drive (which another logon session, an elevated one among them, may not see).
    virtual bool IsOnFixedDrive(const std::wstring& path) = 0;
};
template <>
HostEnvironment& Seam<HostEnvironment>::Default();

bool IsWindows9xFamily();
bool IsDebuggerAttached();
bool IsOnFixedDrive(const std::wstring& path);
