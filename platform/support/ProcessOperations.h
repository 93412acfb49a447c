#pragma once
// The support library's operations on processes and the current process's rights.
#include <cstdint>
#include <string>

// Tries to enable (or disable) the debug privilege in the current process's token, so
// that processes of other users and services can be opened. True on success.
bool qsEnableDebugPrivilege(bool enable);

// The full path of the running program's executable.
std::wstring qsGetEXEModuleFullFileName();

// Ends the process that a search listed with this id and program path, and waits until
// it has ended. True once that process no longer runs: also when it had ended before,
// and when its id now belongs to another program (the path, read as the module search
// reads it, compared without regard to letter case), which is left alone. False, with
// the reason in the last error, for a process that still runs: one that refused, one
// Windows marks critical (ERROR_ACCESS_DENIED), one still running 5 seconds after its
// termination (ERROR_TIMEOUT), one whose program path cannot be read now or was not
// read by the search (ERROR_PARTIAL_COPY).
bool qsKillApp(std::int32_t processId, const std::wstring& programPath);

// The system error code of the last failed call.
unsigned long qsGetLastDLLError();
