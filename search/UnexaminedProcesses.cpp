#include "UnexaminedProcesses.h"

#include <unordered_map>

#include "platform/processes/ProcessQueries.h"
#include "platform/processes/ToolHelp.h"
#include "platform/text/TextOperations.h"

namespace {

// The program's file name of every process, from one process snapshot; empty when it fails.
std::unordered_map<DWORD, std::wstring> ProgramNamesFromSnapshot()
{
    std::unordered_map<DWORD, std::wstring> names;
    for (const SnapshotProcess& process : ProcessesInSnapshot().value_or(std::vector<SnapshotProcess>())) {
        names[process.processId] = FileNameOf(process.exeFile);
    }
    return names;
}

}  // namespace

Glimpse GlimpseOf(DWORD processId, bool named)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    Glimpse glimpse;
    const UniqueHandle process = api.OpenProcess(kLimitedQueryAccess, processId);
    if (!process) return glimpse;
    glimpse.opened = true;
    glimpse.startTime = StartTimeOf(api, process.get());
    bool present = true;
    glimpse.withoutUserModules = api.HasEnvironmentBlock(process.get(), &present) && !present;
    if (!named) return glimpse;
    bool isProtected = false;
    glimpse.isProtected = api.IsProtected(process.get(), &isProtected) && isProtected;
    if (const std::optional<std::wstring> program = ProgramPathOf(api, process.get())) {
        glimpse.programName = FileNameOf(*program);
    }
    return glimpse;
}

std::vector<UnexaminedProcess> UnexaminedProcesses(const std::vector<ProcessReading>& readings)
{
    std::vector<UnexaminedProcess> unexamined;
    RunningProcesses running(Seam<ProcessQueries>::Current());
    std::optional<std::unordered_map<DWORD, std::wstring>> snapshotNames;
    for (const ProcessReading& reading : readings) {
        const bool refused = reading.result == ProcessReading::Result::Refused;
        if (!refused && reading.result != ProcessReading::Result::Failed &&
            reading.result != ProcessReading::Result::NotYetRead) {
            continue;
        }
        if (reading.processId == GetCurrentProcessId()) continue;
        const Glimpse now = GlimpseOf(reading.processId, true);
        if (now.withoutUserModules) continue;
        bool stillRuns = reading.startTime && now.startTime && *reading.startTime == *now.startTime;
        if (!reading.startTime || !now.startTime) {
            stillRuns = running.MayRun(reading.processId);
        }
        if (!stillRuns) continue;
        std::wstring name = now.programName;
        if (name.empty()) {
            if (!snapshotNames) snapshotNames = ProgramNamesFromSnapshot();
            name = (*snapshotNames)[reading.processId];
        }
        unexamined.push_back({reading.processId, std::move(name), refused, now.isProtected});
    }
    return unexamined;
}
