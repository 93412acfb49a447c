#include "ListedProcesses.h"

#include <unordered_set>

#include "platform/TextCase.h"
#include "search/modPackProcessInfo.h"

std::vector<std::wstring> ListedProcesses(const ResultsList& rows)
{
    std::vector<std::wstring> keys;
    std::unordered_set<std::wstring> seen;
    const int count = rows.RowCount();
    for (int row = 1; row <= count; ++row) {
        std::wstring key = rows.Tag(row);
        if (seen.insert(key).second) keys.push_back(std::move(key));
    }
    return keys;
}

std::vector<ListedProcess> ListedProcessesOtherThan(const ResultsList& rows, std::int32_t ownProcessId,
                                                    const std::wstring& ownProgram)
{
    std::vector<ListedProcess> others;
    for (const std::wstring& key : ListedProcesses(rows)) {
        ListedProcess process{UnpackProcessID(key), UnpackProcessText(key)};
        if (process.processId == ownProcessId || EqualIgnoringCase(process.program, ownProgram)) continue;
        others.push_back(std::move(process));
    }
    return others;
}
