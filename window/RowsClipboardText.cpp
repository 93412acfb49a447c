#include "RowsClipboardText.h"

#include "MainWindowDesign.h"

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
