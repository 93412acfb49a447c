#include "NtProcessWalk.h"

#include <unordered_set>

#include "RunningImage.h"
#include "ProcessOwners.h"
#include "ServiceHosts.h"
#include "UnexaminedProcesses.h"
#include "platform/Clock.h"
#include "platform/Parallel.h"
#include "platform/processes/ProcessQueries.h"
#include "platform/processes/ToolHelp.h"
#include "platform/text/TextOperations.h"

namespace {

// A snapshot that is refused while the process's loader list changes is asked again.
constexpr int kSnapshotAttempts = 8;
// A process that could be opened but not read yet (one still starting answers 299, under
// Wine 998) is read again, all of them within one time bound.
constexpr std::uint64_t kReadAgainForMs = 1'000;
constexpr std::uint32_t kReadAgainPauseMs = 50;

// Whether another try may read what this failure did not.
bool MayReadLater(DWORD error)
{
    return error == ERROR_PARTIAL_COPY || error == ERROR_NOACCESS || error == ERROR_BAD_LENGTH;
}

// What a failure of a call on an open process says of it.
ProcessReading::Result AfterFailure(DWORD error)
{
    // Security products trim a handle's rights: a refusal after the open is final too.
    if (error == ERROR_ACCESS_DENIED) return ProcessReading::Result::Refused;
    return MayReadLater(error) ? ProcessReading::Result::NotYetRead : ProcessReading::Result::Failed;
}

// One module snapshot of the process (its 32-bit modules too): the cheapest complete read.
// Its records hold at most MAX_PATH - 1 characters, so a path of that length may have
// been cut: that one is read whole through its handle. False when the snapshot fails or
// holds nothing (as for some of Wine's own services, whose modules PSAPI lists).
bool VisitSnapshotModules(ProcessQueries& api, HANDLE process, DWORD processId, const ModuleVisitor& visit)
{
    ToolHelp& toolHelp = Seam<ToolHelp>::Current();
    UniqueSnapshotHandle snapshot;
    for (int attempt = 0; attempt < kSnapshotAttempts && !snapshot; ++attempt) {
        snapshot = toolHelp.CreateSnapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
        if (!snapshot && GetLastError() != ERROR_BAD_LENGTH) return false;
    }
    if (!snapshot) return false;
    // The 32-bit and the 64-bit views of a WOW64 process can hold the same module twice.
    std::unordered_set<HMODULE> seen;
    MODULEENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = toolHelp.FirstModule(snapshot.get(), record); more;
         more = toolHelp.NextModule(snapshot.get(), record)) {
        if (!seen.insert(record.hModule).second) continue;
        std::wstring path = StringFromBuffer(record.szExePath, std::size(record.szExePath));
        if (path.size() >= std::size(record.szExePath) - 1) {
            std::wstring whole = ModulePathOf(api, process, record.hModule);
            if (!whole.empty()) path = std::move(whole);
        }
        visit(std::move(path), reinterpret_cast<std::uintptr_t>(record.modBaseAddr));
    }
    return !seen.empty();
}

// The process-status walk: each module's path read on its own. A list without modules is
// one whose loader has not run yet.
bool VisitListedModules(ProcessQueries& api, HANDLE process, DWORD& error, const ModuleVisitor& visit)
{
    const std::optional<std::vector<HMODULE>> handles = ModuleHandlesOf(api, process);
    if (!handles) error = GetLastError();
    if (handles && handles->empty()) error = ERROR_PARTIAL_COPY;
    if (!handles || handles->empty()) return false;
    std::unordered_set<HMODULE> seen;
    for (HMODULE handle : *handles) {
        if (seen.insert(handle).second) visit(ModulePathOf(api, process, handle), reinterpret_cast<std::uintptr_t>(handle));
    }
    return true;
}

void ReadFailuresAgain(const SearchRun& run, std::vector<ProcessReading>& readings)
{
    Clock& clock = Seam<Clock>::Current();
    const std::uint64_t deadline = clock.NowMs() + kReadAgainForMs;
    for (;;) {
        std::vector<ProcessReading*> failed;
        for (ProcessReading& reading : readings) {
            if (reading.result == ProcessReading::Result::NotYetRead) failed.push_back(&reading);
        }
        if (failed.empty() || clock.NowMs() >= deadline) return;
        clock.Pause(kReadAgainPauseMs);
        ForEachIndexInParallel(failed.size(), run.workers, [&](std::size_t index) {
            ProcessReading& reading = *failed[index];
            ProcessReading again = ReadNtProcess(run, reading.processId);
            // Its start time as it first failed tells at the end whether it still runs.
            if (again.result != ProcessReading::Result::Read && reading.startTime) again.startTime = reading.startTime;
            reading = std::move(again);
        });
    }
}

// The matched modules' copies against the files at their paths: the files read first, each
// once, in parallel; then, where the file is not the image a process runs, that copy's
// version read from the process, still open. Then the processes are let go.
void CompareWithFiles(const SearchRun& run, std::vector<ProcessReading>& readings)
{
    std::vector<ProcessReading*> found;
    std::vector<std::wstring> paths;
    for (ProcessReading& reading : readings) {
        if (reading.loaded.empty()) continue;
        found.push_back(&reading);
        for (const LoadedModule& module : reading.loaded) {
            paths.push_back(module.path);
            paths.push_back(ComparedPath(module.path, module.running, run.folders.system, run.folders.wow64));
        }
    }
    run.files.ReadAll(paths, run.workers);
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    ForEachIndexInParallel(found.size(), run.workers, [&](std::size_t index) {
        ProcessReading& reading = *found[index];
        for (LoadedModule& module : reading.loaded) {
            const auto runningVersion = [&] { return RunningImageVersion(api, reading.process.get(), module.base); };
            reading.modules->matched.push_back(run.Compare(std::move(module.path), module.running, runningVersion));
        }
        reading.loaded.clear();
        reading.process.reset();
    });
}

}  // namespace

SearchOutcome WalkNtProcesses(const SearchRun& run)
{
    const std::optional<std::vector<DWORD>> ids = RunningProcessIds(Seam<ProcessQueries>::Current());
    if (!ids) return {{}, ListingFailure{ListingFailure::Listing::ProcessIds, GetLastError()}};
    // Each process is read into its own slot: the workers share nothing they change.
    std::vector<ProcessReading> readings(ids->size());
    ForEachIndexInParallel(ids->size(), run.workers,
                           [&](std::size_t index) { readings[index] = ReadNtProcess(run, (*ids)[index]); });
    ReadFailuresAgain(run, readings);
    CompareWithFiles(run, readings);
    std::vector<const ProcessModules*> found;
    for (const ProcessReading& reading : readings) {
        if (reading.modules && !reading.modules->matched.empty()) found.push_back(&*reading.modules);
    }
    if (!found.empty()) {
        const std::unordered_map<DWORD, ServiceHost> hosts = ServiceHostsOf(found, run.folders.system);
        std::unordered_map<DWORD, ProcessOwner> owners = OwnersOf(found);
        for (ProcessReading& reading : readings) {
            if (!reading.modules) continue;
            const auto host = hosts.find(reading.processId);
            if (host != hosts.end()) reading.modules->host = host->second;
            reading.modules->owner = std::move(owners[reading.processId]);
        }
    }
    run.AddRows(found);
    return {UnexaminedProcesses(readings), std::nullopt};
}

ProcessReading ReadNtProcess(const SearchRun& run, DWORD processId)
{
    ProcessReading reading;
    reading.processId = processId;
    if (processId == 0) return reading;  // the idle process: skipped
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    // The failed call's code, taken at once.
    const auto notRead = [&](ProcessReading::Result result, DWORD error) {
        const Glimpse glimpse = GlimpseOf(processId, false);  // its name is asked once, at the end
        if (error == ERROR_INVALID_PARAMETER && !glimpse.opened) {
            reading.result = ProcessReading::Result::Ended;  // its id left the system after the list was read
        } else if (!glimpse.withoutUserModules) {
            reading.result = result;
            reading.startTime = glimpse.startTime;
        }
        return std::move(reading);
    };
    UniqueHandle process = api.OpenProcess(kQueryAndReadAccess, processId);
    if (!process) {
        const DWORD error = GetLastError();
        return notRead(error == ERROR_ACCESS_DENIED ? ProcessReading::Result::Refused : AfterFailure(error), error);
    }
    // The program's path as terminate reads it, which tells by it whether the id still runs the program.
    std::optional<std::wstring> program = ProgramPathOf(api, process.get());
    if (!program) {
        const DWORD error = GetLastError();
        return notRead(AfterFailure(error), error);
    }
    // Only what matched is kept, with the headers of the image it runs read in this same open.
    const auto keepMatching = [&](std::wstring path, std::uint64_t base) {
        if (!run.specification.Matches(path)) return;
        const std::optional<ImageStamp> running = RunningImageStamp(api, process.get(), base);
        reading.loaded.push_back({std::move(path), base, running});
    };
    DWORD error = ERROR_SUCCESS;
    if (!VisitModulesOf(process.get(), processId, error, keepMatching)) {
        reading.loaded.clear();
        return notRead(AfterFailure(error), error);
    }
    reading.result = ProcessReading::Result::Read;
    reading.modules = ProcessModules{processId, std::move(*program), StartTimeOf(api, process.get()), {}, std::nullopt, {}};
    if (!reading.loaded.empty()) reading.process = std::move(process);
    return reading;
}

bool VisitModulesOf(HANDLE process, DWORD processId, DWORD& error, const ModuleVisitor& visit)
{
    ProcessQueries& api = Seam<ProcessQueries>::Current();
    if (VisitSnapshotModules(api, process, processId, visit)) return true;
    // The walk's own failure decides (a 32-bit process's snapshot may fail while the walk reads it).
    return VisitListedModules(api, process, error, visit);
}
