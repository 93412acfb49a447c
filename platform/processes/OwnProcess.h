#pragma once
// The program's own process: its executable and its rights.
#include <string>

// Tries to enable (or disable) the debug privilege in the current process's token, so
// that processes of other users and services can be opened. True on success.
bool EnableDebugPrivilege(bool enable);

// The full path of the running program's executable.
std::wstring OwnProgramPath();
