#include "ResultsListView.h"

#include <commctrl.h>

#include "MainWindowDesign.h"
#include "platform/ProgramError.h"
#include "platform/registry/SettingsStore.h"
#include "platform/ui/Twips.h"

void ResultsListView::CreateColumns(UINT dpi)
{
    constexpr int kColumns = static_cast<int>(std::size(main_window::kResultsColumns));
    // A column without a valid stored width keeps the design's.
    const auto stored = SettingsStore().ResultsColumnWidths(kColumns);
    std::vector<int> widths;
    for (int column = 0; column < kColumns; ++column) {
        view_.InsertColumn(column, main_window::kResultsColumns[column].header, 0);
        widths.push_back(stored[column].value_or(main_window::kResultsColumns[column].widthTwips));
    }
    SetColumnWidthsTwips(widths, dpi);
    view_.SetExtendedStyle(LVS_EX_FULLROWSELECT, true);
    view_.SetExtendedStyle(LVS_EX_GRIDLINES, true);
    view_.SetExtendedStyle(LVS_EX_LABELTIP, true);
    TakeSystemColors();
}

void ResultsListView::ChangeColors(UINT message, WPARAM wParam, LPARAM lParam)
{
    SendMessageW(view_.Handle(), message, wParam, lParam);
    TakeSystemColors();
}

// The window's colour behind the window-text colour, set again at every change: a list
// view may keep the colours it was created with.
void ResultsListView::TakeSystemColors()
{
    view_.SetColors(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
}

void ResultsListView::SaveColumnWidths(UINT dpi) const
{
    SettingsStore().KeepResultsColumnWidths(ColumnWidthsTwips(dpi));
}

void ResultsListView::ChangeDpi(UINT from, UINT to) { SetColumnWidthsTwips(ColumnWidthsTwips(from), to); }

// A column's width goes between the list's pixels and twips through this one pair, so
// that a width read at one DPI and set at another rounds as the stored widths do.
std::vector<int> ResultsListView::ColumnWidthsTwips(UINT dpi) const
{
    std::vector<int> widths;
    const int columns = view_.ColumnCount();
    for (int column = 0; column < columns; ++column) {
        widths.push_back(PixelsToTwips(view_.ColumnWidth(column), static_cast<int>(dpi)));
    }
    return widths;
}

void ResultsListView::SetColumnWidthsTwips(const std::vector<int>& widths, UINT dpi)
{
    for (std::size_t column = 0; column < widths.size(); ++column) {
        view_.SetColumnWidth(static_cast<int>(column), TwipsToPixels(widths[column], static_cast<int>(dpi)));
    }
}

void ResultsListView::Add(ResultRow row)
{
    const int index = view_.InsertItem(static_cast<int>(rows_.size()), row.program);
    if (index < 0) throw ProgramError(L"The results list cannot take another row.");
    view_.SetItemText(index, 1, row.moduleVersion);
    view_.SetItemText(index, 2, row.modulePath);
    rows_.push_back(std::move(row));
}

const ResultRow& ResultsListView::Row(std::size_t index) const
{
    if (index >= rows_.size()) throw ProgramError(L"The results list has no row " + std::to_wstring(index) + L".");
    return rows_[index];
}

void ResultsListView::KeepOnly(const std::function<bool(const ResultRow&)>& keep)
{
    std::vector<ResultRow> rows = std::move(rows_);
    const ListViewRedrawSuspended quiet(view_.Handle());
    Clear();
    for (ResultRow& row : rows) {
        if (keep(row)) Add(std::move(row));
    }
}

void ResultsListView::Clear()
{
    view_.DeleteAllItems();
    rows_.clear();
}
