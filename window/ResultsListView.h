#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "platform/ui/ListView.h"
#include "search/ResultsList.h"

// The results list on the main window: a report-view list view with the design's three
// columns (program, module version, module path), whose widths are kept in twips under
// the list's name in the program's settings. The rows themselves are kept here, in
// order (the list is never sorted); the list view shows their first three fields.
class ResultsListView final : public ResultsList {
public:
    explicit ResultsListView(HWND listView) : view_(listView) {}

    HWND Handle() const { return view_.Handle(); }
    ListView& View() { return view_; }

    // The columns with their stored widths (the design's where none is stored) and the
    // list's extended styles, at `dpi`.
    void CreateColumns(UINT dpi);
    // Stores the columns' widths, read at `dpi`.
    void SaveColumnWidths(UINT dpi) const;
    // The window moved to a monitor with another DPI: the columns keep their widths in twips.
    void ChangeDpi(UINT from, UINT to);
    // The system's colours or theme changed (a High Contrast switch): the list takes them.
    void ChangeColors(UINT message, WPARAM wParam, LPARAM lParam);

    // Keeps only the rows `keep` takes, in their order.
    void KeepOnly(const std::function<bool(const ResultRow&)>& keep);

    void Add(ResultRow row) override;
    std::size_t Count() const override { return rows_.size(); }
    const ResultRow& Row(std::size_t index) const override;
    void Clear() override;

private:
    std::vector<int> ColumnWidthsTwips(UINT dpi) const;
    void SetColumnWidthsTwips(const std::vector<int>& widths, UINT dpi);
    void TakeSystemColors();

    ListView view_;
    std::vector<ResultRow> rows_;
};
