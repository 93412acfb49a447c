#pragma once
#include <windows.h>

#include "platform/Seam.h"

// The calls that end a process and watch it end: a seam, so that tests can have a
// process marked critical, or one that outlives its termination.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    // Whether Windows marks the process critical: ending it stops the whole system. False
    // where the system cannot tell.
    virtual bool IsCritical(HANDLE process) = 0;
    // False on failure, with the reason in the last error.
    virtual bool Terminate(HANDLE process) = 0;
    // True once the process has ended, waiting at most `milliseconds` for it.
    virtual bool WaitForEnd(HANDLE process, DWORD milliseconds) = 0;
};
template <>
ProcessControl& Seam<ProcessControl>::Default();
