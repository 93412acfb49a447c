#include "ListedProcesses.h"

#include <unordered_set>

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
