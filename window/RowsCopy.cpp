#include "RowsCopy.h"

#include "RowsClipboardText.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ErrorReports.h"

void CopySelectedRows(HWND owner, ResultsListView& results)
{
    const std::vector<int> selected = results.View().SelectedItems();
    if (selected.empty()) return;
    const std::vector<std::size_t> rows(selected.begin(), selected.end());
    const DWORD copied = PutTextOnClipboard(owner, RowsAsText(results, rows));
    if (copied != ERROR_SUCCESS) ReportSystemError(copied, MB_ICONSTOP, L"Не удаётся скопировать строки в буфер обмена.");
}
