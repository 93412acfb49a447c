#pragma once
#include <windows.h>

#include "platform/Seam.h"

// The calls that end processes and watch them end: a seam, so that tests can have a
// process marked critical, processes that take their time to end, or more of them than
// one wait takes.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    // Whether Windows marks the process critical: ending it stops the whole system. False
    // where the system cannot tell. The handle needs CriticalCheckAccess().
    virtual bool IsCritical(HANDLE process) = 0;
    // The access IsCritical needs: PROCESS_QUERY_LIMITED_INFORMATION where Windows asks it
    // (8.1 and later), else PROCESS_QUERY_INFORMATION, which fewer processes grant.
    virtual DWORD CriticalCheckAccess() = 0;
    // False on failure, with the reason in the last error.
    virtual bool Terminate(HANDLE process) = 0;
    virtual bool HasEnded(HANDLE process) = 0;
    // Waits at most `milliseconds` until one of the processes ends (WAIT_OBJECT_0 + its
    // index) or the thread has messages it must answer meanwhile, painting and messages
    // sent to it (WAIT_OBJECT_0 + count); WAIT_TIMEOUT when neither came. At most
    // MAXIMUM_WAIT_OBJECTS - 1 processes.
    virtual DWORD WaitForEndOrMessages(const HANDLE* processes, DWORD count, DWORD milliseconds) = 0;
};
template <>
ProcessControl& Seam<ProcessControl>::Default();
