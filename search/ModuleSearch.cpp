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

void SearchRun::TestProcess(const ProcessModules& process) const
{
    for (const std::wstring& module : process.modulePaths) {
        TestModule(process.processId, process.programPath, module, process.startTime);
    }
}
