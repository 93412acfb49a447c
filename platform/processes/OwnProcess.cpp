#include "OwnProcess.h"

#include <windows.h>

#include <vector>

#include "platform/SystemError.h"
#include "platform/UniqueResource.h"

bool EnableDebugPrivilege(bool enable)
{
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) return false;
    const UniqueHandle token(rawToken);

    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    if (!LookupPrivilegeValueW(nullptr, SE_DEBUG_NAME, &privileges.Privileges[0].Luid)) return false;

    // AdjustTokenPrivileges succeeds even when the account lacks the privilege; only
    // the last error tells.
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof privileges, nullptr, nullptr)) return false;
    return GetLastError() == ERROR_SUCCESS;
}

std::wstring OwnProgramPath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) ThrowLastError(L"GetModuleFileName");
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}
