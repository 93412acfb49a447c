#include "SearchSummary.h"

#include <unordered_set>

std::wstring SearchSummary(std::size_t rows, std::size_t processes, std::size_t oldCopies, std::size_t unexamined)
{
    std::wstring text = L"Найдено строк: " + std::to_wstring(rows) + L", процессов: " + std::to_wstring(processes) + L".";
    if (oldCopies > 0) text += L" Процессов со старой копией модуля: " + std::to_wstring(oldCopies) + L".";
    if (unexamined > 0) text += L" Не удалось проверить процессов: " + std::to_wstring(unexamined) + L".";
    return text;
}

std::wstring SearchSummary(const std::vector<const ResultRow*>& rows, std::size_t unexamined)
{
    std::unordered_set<std::wstring> processes, oldCopies;
    for (const ResultRow* row : rows) {
        processes.insert(row->processKey);
        if (RunsOldCopy(*row)) oldCopies.insert(row->processKey);
    }
    return SearchSummary(rows.size(), processes.size(), oldCopies.size(), unexamined);
}

std::wstring SearchSummary(const ResultsList& rows, std::size_t unexamined)
{
    std::vector<const ResultRow*> all;
    for (std::size_t index = 0; index < rows.Count(); ++index) all.push_back(&rows.Row(index));
    return SearchSummary(all, unexamined);
}
