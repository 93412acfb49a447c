#include "ListViewResultsList.h"

#include "platform/ProgramError.h"

int ListViewResultsList::AddRow(const std::wstring& text)
{
    const int index = view_.InsertItem(RowCount(), text);
    if (index < 0) throw ProgramError(L"The results list cannot take another row.");
    tags_.emplace_back();
    return index + 1;
}

void ListViewResultsList::SetSubItem(int row, int subItem, const std::wstring& text)
{
    view_.SetItemText(static_cast<int>(IndexOf(row)), subItem, text);
}

int ListViewResultsList::RowCount() const { return static_cast<int>(tags_.size()); }

std::wstring ListViewResultsList::Text(int row) const { return view_.ItemText(static_cast<int>(IndexOf(row)), 0); }

std::wstring ListViewResultsList::SubItem(int row, int subItem) const
{
    return view_.ItemText(static_cast<int>(IndexOf(row)), subItem);
}

void ListViewResultsList::SetTag(int row, const std::wstring& tag) { tags_[IndexOf(row)] = tag; }

std::wstring ListViewResultsList::Tag(int row) const { return tags_[IndexOf(row)]; }

void ListViewResultsList::Clear()
{
    view_.DeleteAllItems();
    tags_.clear();
}

std::size_t ListViewResultsList::IndexOf(int row) const
{
    if (row < 1 || static_cast<std::size_t>(row) > tags_.size()) {
        throw ProgramError(L"The results list has no row " + std::to_wstring(row) + L".");
    }
    return static_cast<std::size_t>(row - 1);
}
