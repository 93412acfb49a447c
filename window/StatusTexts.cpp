#include "StatusTexts.h"

#include "MainWindowDesign.h"
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

std::wstring RowsAsText(const ResultsList& rows, const std::vector<std::size_t>& indices)
{
    const auto& columns = main_window::kResultsColumns;
    std::wstring text = std::wstring(columns[0].header) + L"\t" + columns[1].header + L"\t" + columns[2].header + L"\r\n";
    for (std::size_t index : indices) {
        const ResultRow& row = rows.Row(index);
        text += row.program + L"\t" + row.moduleVersion + L"\t" + row.modulePath + L"\r\n";
    }
    return text;
}
