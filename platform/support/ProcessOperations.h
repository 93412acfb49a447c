#pragma once
// The support library's operations on processes and the current process's rights.
#include <cstdint>
#include <string>

// Tries to enable (or disable) the debug privilege in the current process's token, so
// that processes of other users and services can be opened. True on success.
bool qsEnableDebugPrivilege(bool enable);

// The full path of the running program's executable.
std::wstring qsGetEXEModuleFullFileName();

// Terminates the process with the given id, but only while it still runs the given
// program (its path compared without regard to letter case, read as the module search
// reads it): an id from an earlier search may belong to another program by now. Waits
// until the process has ended. False otherwise, with the reason in the last error
// (ERROR_NOT_FOUND when another program has the id now), and always for this process.
bool qsKillApp(std::int32_t processId, const std::wstring& programPath);

// The system error code of the last failed call.
unsigned long qsGetLastDLLError();
