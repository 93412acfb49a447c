#include "MemoryResultsList.h"

#include <stdexcept>

int MemoryResultsList::AddRow(const std::wstring& text)
{
    rows_.push_back(Row{text, {}, {}});
    return static_cast<int>(rows_.size());
}

void MemoryResultsList::SetSubItem(int row, int subItem, const std::wstring& text)
{
    At(row).subItems[SubItemIndex(subItem)] = text;
}

void MemoryResultsList::SetTag(int row, const std::wstring& tag) { At(row).tag = tag; }

int MemoryResultsList::RowCount() const { return static_cast<int>(rows_.size()); }

std::wstring MemoryResultsList::Text(int row) const { return At(row).text; }

std::wstring MemoryResultsList::SubItem(int row, int subItem) const
{
    return At(row).subItems[SubItemIndex(subItem)];
}

std::wstring MemoryResultsList::Tag(int row) const { return At(row).tag; }

void MemoryResultsList::Clear() { rows_.clear(); }

std::size_t MemoryResultsList::SubItemIndex(int subItem)
{
    if (subItem < 1 || subItem > 2) throw std::out_of_range("results list: no such column");
    return static_cast<std::size_t>(subItem - 1);
}

MemoryResultsList::Row& MemoryResultsList::At(int row)
{
    return const_cast<Row&>(static_cast<const MemoryResultsList&>(*this).At(row));
}

const MemoryResultsList::Row& MemoryResultsList::At(int row) const
{
    if (row < 1 || row > RowCount()) throw std::out_of_range("results list: no such row");
    return rows_[static_cast<std::size_t>(row - 1)];
}
