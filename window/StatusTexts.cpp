#include "StatusTexts.h"

#include "actions/ListedProcesses.h"

std::wstring SearchSummary(std::size_t rows, std::size_t processes, std::size_t unexamined)
{
    std::wstring text = L"Найдено строк: " + std::to_wstring(rows) + L", процессов: " + std::to_wstring(processes) + L".";
    if (unexamined > 0) text += L" Не удалось проверить процессов: " + std::to_wstring(unexamined) + L".";
    return text;
}

std::size_t ProcessCount(const ResultsList& rows) { return ListedProcesses(rows).size(); }

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
