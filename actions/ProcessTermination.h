#pragma once
// Whether and how terminate ends one listed process.
#include <windows.h>

#include <string>

// Ends the process that a search listed with this id and program path, and waits until
// it has ended. ERROR_SUCCESS once that process no longer runs: also when it had ended
// before, and when its id now belongs to another program (the path, read as the module
// search reads it, compared without regard to letter case), which is left alone. For a
// process that still runs, the reason: the failed call's code for one that refused,
// ERROR_ACCESS_DENIED for one Windows marks critical, ERROR_TIMEOUT for one still
// running 5 seconds after its termination, ERROR_PARTIAL_COPY for one whose program
// path cannot be read now or was not read by the search.
DWORD EndListedProcess(DWORD processId, const std::wstring& programPath);
