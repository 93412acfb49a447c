#include "ListedProcesses.h"

#include <unordered_set>

#include "platform/text/TextCase.h"
#include "search/ProcessEntryKey.h"

std::vector<ListedProcess> ListedProcesses(const ResultsList& rows)
{
    std::vector<ListedProcess> processes;
    std::unordered_set<std::wstring> seen;
    for (std::size_t index = 0; index < rows.Count(); ++index) {
        const ResultRow& row = rows.Row(index);
        if (!seen.insert(row.processKey).second) continue;
        processes.push_back(
            {ProcessIdOfKey(row.processKey), ProgramPathOfKey(row.processKey), row.processStart, row.host, row.owner});
    }
    return processes;
}

std::vector<ListedProcess> ListedProcessesOtherThan(const ResultsList& rows, std::int32_t ownProcessId,
                                                    const std::wstring& ownProgram)
{
    std::vector<ListedProcess> others;
    for (ListedProcess& process : ListedProcesses(rows)) {
        if (process.processId == ownProcessId || EqualIgnoringCase(process.program, ownProgram)) continue;
        others.push_back(std::move(process));
    }
    return others;
}
