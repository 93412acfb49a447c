#pragma once
#include <windows.h>

#include <vector>

#include "search/ResultsList.h"

// The results list shown on the main window: a report-view list view. Each row's Tag
// is kept beside it, in row order (the list is never sorted).
class ListViewResultsList final : public ResultsList {
public:
    explicit ListViewResultsList(HWND listView) : listView_(listView) {}

    int AddRow(const std::wstring& text) override;
    void SetSubItem(int row, int subItem, const std::wstring& text) override;
    void SetTag(int row, const std::wstring& tag) override;

    int RowCount() const override;
    std::wstring Text(int row) const override;
    std::wstring SubItem(int row, int subItem) const override;
    std::wstring Tag(int row) const override;

    void Clear() override;

    HWND Handle() const { return listView_; }

private:
    std::wstring CellText(int row, int column) const;
    std::size_t IndexOf(int row) const;

    HWND listView_;
    std::vector<std::wstring> tags_;
};
