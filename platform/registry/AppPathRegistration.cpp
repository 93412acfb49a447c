#include "AppPathRegistration.h"

#include "platform/registry/Registry.h"
#include "platform/processes/OwnProcess.h"
#include "platform/text/TextOperations.h"

bool RegisterAppPath()
{
    const std::wstring program = OwnProgramPath();
    const UniqueHkey key = CreateRegistryKey(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + FileNameOf(program));
    if (!key) return false;
    if (ReadRegistryString(key.get(), L"") == program) return true;
    return WriteRegistryString(key.get(), L"", program) &&
           WriteRegistryString(key.get(), L"Path", FolderOf(program));
}
