#include "StatusTexts.h"

#include <unordered_set>

#include "actions/ListedProcesses.h"

std::wstring SearchSummary(std::size_t rows, std::size_t processes, std::size_t oldCopies, std::size_t unexamined)
{
    std::wstring text = L"Найдено строк: " + std::to_wstring(rows) + L", процессов: " + std::to_wstring(processes) + L".";
    if (oldCopies > 0) text += L" Процессов со старой копией модуля: " + std::to_wstring(oldCopies) + L".";
    if (unexamined > 0) text += L" Не удалось проверить процессов: " + std::to_wstring(unexamined) + L".";
    return text;
}

std::size_t ProcessCount(const ResultsList& rows) { return ListedProcesses(rows).size(); }

std::size_t OldCopyProcessCount(const ResultsList& rows)
{
    std::unordered_set<std::wstring> processes;
    for (std::size_t index = 0; index < rows.Count(); ++index) {
        if (RunsOldCopy(rows.Row(index))) processes.insert(rows.Row(index).processKey);
    }
    return processes.size();
}

std::wstring UnexaminedList(const std::vector<UnexaminedProcess>& processes)
{
    std::wstring text;
    for (const UnexaminedProcess& process : processes) {
        text += (process.programName.empty() ? L"(имя неизвестно)" : process.programName) + L" (" +
                std::to_wstring(process.processId) + L")";
        if (process.isProtected) text += L" — защищённый процесс";
        text += L"\r\n";
    }
    return text;
}
