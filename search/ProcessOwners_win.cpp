#include "ProcessOwners.h"

#include "platform/processes/ProcessQueries.h"

namespace {

// The user of this desktop: the one its shell runs as; without a shell window, the one this
// program runs as (elevated with another account's credentials, that account).
std::vector<std::uint8_t> DesktopUser(ProcessQueries& api)
{
    DWORD shellProcess = 0;
    if (const HWND shell = GetShellWindow()) GetWindowThreadProcessId(shell, &shellProcess);
    if (shellProcess != 0) {
        const UniqueHandle process = api.OpenProcess(kLimitedQueryAccess, shellProcess);
        if (process) return api.TokenUser(process.get());
    }
    return api.TokenUser(GetCurrentProcess());
}

}  // namespace

std::unordered_map<DWORD, ProcessOwner> OwnersOf(const std::vector<const ProcessModules*>& processes)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    const std::vector<std::uint8_t> desktopUser = DesktopUser(api);
    std::unordered_map<DWORD, ProcessOwner> owners;
    for (const ProcessModules* listed : processes) {
        ProcessOwner& owner = owners[listed->processId];
        DWORD session = 0;
        if (api.SessionOf(listed->processId, &session)) owner.sessionId = session;
        const UniqueHandle process = api.OpenProcess(kLimitedQueryAccess, listed->processId);
        if (!process) continue;
        const std::vector<std::uint8_t> user = api.TokenUser(process.get());
        owner.desktopUser = !user.empty() && user == desktopUser;
        owner.appUserModelId = api.ApplicationUserModelId(process.get());
    }
    return owners;
}
