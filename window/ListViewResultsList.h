#pragma once
#include <windows.h>

#include <vector>

#include "platform/win/ListView.h"
#include "search/ResultsList.h"

// The results list shown on the main window: a report-view list view. Each row's Tag
// is kept beside it, in row order (the list is never sorted), so the tags also count
// the rows.
class ListViewResultsList final : public ResultsList {
public:
    explicit ListViewResultsList(HWND listView) : view_(listView) {}

    ListView& View() { return view_; }

    // The texts live in the list view's items and subitems.
    int AddRow(const std::wstring& text) override;
    void SetSubItem(int row, int subItem, const std::wstring& text) override;
    int RowCount() const override;
    std::wstring Text(int row) const override;
    std::wstring SubItem(int row, int subItem) const override;

    // The tags, which the list view does not show, live here.
    void SetTag(int row, const std::wstring& tag) override;
    std::wstring Tag(int row) const override;

    void Clear() override;

private:
    std::size_t IndexOf(int row) const;

    ListView view_;
    std::vector<std::wstring> tags_;
};
