#include "ModuleSearch.h"

#include "ProcessEntryKey.h"
#include "platform/text/TextOperations.h"

ResultRow HitRow(std::int32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                 const std::wstring& versionText, std::optional<std::uint64_t> processStart)
{
    return ResultRow{FileNameOf(programPath), versionText, modulePath, MakeProcessEntryKey(processId, programPath),
                     processStart};
}

void SearchRun::TestModule(std::uint32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                           std::optional<std::uint64_t> processStart) const
{
    if (!specification.Matches(modulePath)) return;
    rows.Add(HitRow(static_cast<std::int32_t>(processId), programPath, modulePath, versions.For(modulePath),
                    processStart));
}

std::vector<std::size_t> SearchRun::MatchingModules(const ProcessModules& process) const
{
    std::vector<std::size_t> matching;
    for (std::size_t index = 0; index < process.modulePaths.size(); ++index) {
        if (specification.Matches(process.modulePaths[index])) matching.push_back(index);
    }
    return matching;
}

void SearchRun::AddRows(const std::vector<ProcessHits>& hits) const
{
    std::vector<std::wstring> paths;
    for (const ProcessHits& hit : hits) {
        for (std::size_t index : hit.matching) paths.push_back(hit.process->modulePaths[index]);
    }
    versions.ReadAll(paths, workers);
    for (const ProcessHits& hit : hits) {
        const ProcessModules& process = *hit.process;
        for (std::size_t index : hit.matching) {
            const std::wstring& module = process.modulePaths[index];
            rows.Add(HitRow(static_cast<std::int32_t>(process.processId), process.programPath, module,
                            versions.For(module), process.startTime));
        }
    }
}
