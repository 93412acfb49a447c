#include "ServiceHosts.h"

#include "platform/processes/ProcessQueries.h"
#include "platform/processes/ToolHelp.h"
#include "platform/services/ServiceManager.h"
#include "platform/text/TextCase.h"
#include "platform/text/TextOperations.h"

namespace {

// The parent of every process, from one process snapshot.
std::unordered_map<DWORD, DWORD> ParentsOfProcesses()
{
    std::unordered_map<DWORD, DWORD> parents;
    for (const SnapshotProcess& process : ProcessesInSnapshot().value_or(std::vector<SnapshotProcess>())) {
        parents[process.processId] = process.parentId;
    }
    return parents;
}

// Whether the process with this id is the service control manager, and started before `child`
// (a parent id may have been reused by a later process).
bool IsServiceManager(DWORD processId, const std::optional<std::uint64_t>& childStart, const std::wstring& manager)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    const UniqueHandle process = api.OpenProcess(kLimitedQueryAccess, processId);
    if (!process || !childStart) return false;
    const std::optional<std::wstring> program = ProgramPathOf(api, process.get());
    const std::optional<std::uint64_t> started = StartTimeOf(api, process.get());
    return program && started && EqualIgnoringCase(*program, manager) && *started < *childStart;
}

}  // namespace

std::unordered_map<DWORD, ServiceHost> ServiceHostsOf(const std::vector<const ProcessModules*>& processes,
                                                      const std::wstring& systemFolder)
{
    ServiceManager& manager = Seam<ServiceManager>::Current();
    std::unordered_map<DWORD, ServiceHost> hosts;
    for (const ProcessModules* process : processes) hosts[process->processId];
    if (const std::optional<std::vector<RunningService>> running = manager.RunningServices()) {
        for (const RunningService& service : *running) {
            const auto host = hosts.find(service.processId);
            if (host != hosts.end()) host->second.services.push_back({service.name, manager.RunningDependents(service.name)});
        }
    }
    std::optional<std::unordered_map<DWORD, DWORD>> parents;
    const std::wstring serviceManager = PathInFolder(systemFolder, L"services.exe");
    for (const ProcessModules* process : processes) {
        ServiceHost& host = hosts[process->processId];
        if (!host.services.empty()) continue;
        if (!parents) parents = ParentsOfProcesses();
        const auto parent = parents->find(process->processId);
        host.servicesUnknown = parent != parents->end() &&
                               IsServiceManager(parent->second, process->startTime, serviceManager);
        if (!host.servicesUnknown) hosts.erase(process->processId);
    }
    return hosts;
}
