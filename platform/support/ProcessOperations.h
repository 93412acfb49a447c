#pragma once
// The support library's operations on processes and the current process's rights.
#include <string>

// Tries to enable (or disable) the debug privilege in the current process's token, so
// that processes of other users and services can be opened. True on success.
bool qsEnableDebugPrivilege(bool enable);

// The full path of the running program's executable.
std::wstring qsGetEXEModuleFullFileName();
