#pragma once
#include "platform/Seam.h"

// Facts about where the program runs. A seam, so that tests can take both answers.
class HostEnvironment {
public:
    virtual ~HostEnvironment() = default;
    // True on the Windows 9x family (Windows 95, 98, Me).
    virtual bool IsWindows9xFamily() = 0;
    // True for a development run: the program runs under a debugger.
    virtual bool IsDebuggerAttached() = 0;
};
template <>
HostEnvironment& Seam<HostEnvironment>::Default();

bool IsWindows9xFamily();
bool IsDebuggerAttached();
