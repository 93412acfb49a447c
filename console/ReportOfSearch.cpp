#include "ReportOfSearch.h"

#include "platform/text/TextOperations.h"
#include "search/ModuleFiles.h"
#include "search/ProcessEntryKey.h"
#include "search/SearchSummary.h"

namespace {

std::optional<std::wstring> VersionOrNull(const std::optional<FileVersion>& version)
{
    return version ? std::optional(VersionText(version)) : std::nullopt;
}

// None for a process that hosts none; unknown (null) for a host whose services cannot be named.
std::optional<std::vector<std::wstring>> ServicesOf(const ResultRow& row)
{
    std::vector<std::wstring> names;
    if (!row.host) return names;
    if (row.host->servicesUnknown) return std::nullopt;
    for (const HostedService& service : row.host->services) names.push_back(service.name);
    return names;
}

UnexaminedReason ReasonOf(const UnexaminedProcess& process)
{
    if (process.isProtected) return UnexaminedReason::Protected;
    return process.refused ? UnexaminedReason::Refused : UnexaminedReason::Failed;
}

}  // namespace

Report ReportOfSearch(const std::wstring& specification, bool contains, bool oldCopiesOnly, const ResultsList& rows,
                      const SearchOutcome& outcome)
{
    Report report;
    report.specification = specification;
    report.contains = contains;
    std::vector<const ResultRow*> reported;
    for (std::size_t index = 0; index < rows.Count(); ++index) {
        const ResultRow& row = rows.Row(index);
        if (oldCopiesOnly && !RunsOldCopy(row)) continue;
        reported.push_back(&row);
        const std::wstring programPath = ProgramPathOfKey(row.processKey);
        report.rows.push_back({static_cast<std::uint32_t>(ProcessIdOfKey(row.processKey)), row.processStart,
                               FileNameOf(programPath), programPath, ServicesOf(row), row.owner.sessionId,
                               VersionOrNull(row.runningVersion), VersionOrNull(row.diskVersion), row.copy,
                               row.modulePath, row.program, row.moduleVersion});
    }
    for (const UnexaminedProcess& process : outcome.unexamined) {
        report.unexamined.push_back({process.processId, process.programName, ReasonOf(process)});
    }
    report.summary = SearchSummary(reported, outcome.unexamined.size());
    return report;
}
