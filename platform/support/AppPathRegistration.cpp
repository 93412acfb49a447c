#include "AppPathRegistration.h"

#include "platform/win/Registry.h"
#include "ProcessOperations.h"
#include "TextOperations.h"

bool qsRegisterAppPath()
{
    const std::wstring program = qsGetEXEModuleFullFileName();
    const UniqueHkey key = CreateRegistryKey(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + qsGetFileName(program));
    if (!key) return false;
    if (ReadRegistryString(key.get(), L"") == program) return true;
    return WriteRegistryString(key.get(), L"", program) &&
           WriteRegistryString(key.get(), L"Path", qsGetFilePath(program));
}
