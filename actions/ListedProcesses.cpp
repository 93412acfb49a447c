#include "ListedProcesses.h"

#include <unordered_set>

#include "platform/text/TextCase.h"
#include "search/ProcessEntryKey.h"

std::vector<std::wstring> ListedProcesses(const ResultsList& rows)
{
    std::vector<std::wstring> keys;
    std::unordered_set<std::wstring> seen;
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        const std::wstring& key = rows.Row(row).processKey;
        if (seen.insert(key).second) keys.push_back(key);
    }
    return keys;
}

std::vector<ListedProcess> ListedProcessesOtherThan(const ResultsList& rows, std::int32_t ownProcessId,
                                                    const std::wstring& ownProgram)
{
    std::vector<ListedProcess> others;
    for (const std::wstring& key : ListedProcesses(rows)) {
        ListedProcess process{ProcessIdOfKey(key), ProgramPathOfKey(key)};
        if (process.processId == ownProcessId || EqualIgnoringCase(process.program, ownProgram)) continue;
        others.push_back(std::move(process));
    }
    return others;
}
