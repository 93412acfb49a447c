#include "ModuleSearch.h"

#include "ProcessEntryKey.h"
#include "platform/text/TextOperations.h"

ResultRow HitRow(std::int32_t processId, const std::wstring& programPath, const std::wstring& modulePath,
                 const std::wstring& versionText)
{
    return ResultRow{FileNameOf(programPath), versionText, modulePath, MakeProcessEntryKey(processId, programPath)};
}

void SearchRun::TestModule(std::uint32_t processId, const std::wstring& programPath,
                           const std::wstring& modulePath) const
{
    if (!ModulePathMatches(modulePath, specification, mode, true)) return;
    rows.Add(HitRow(static_cast<std::int32_t>(processId), programPath, modulePath, versions.For(modulePath)));
}
