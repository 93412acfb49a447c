#include "ListViewResultsList.h"

#include <commctrl.h>

#include "platform/ProgramError.h"

int ListViewResultsList::AddRow(const std::wstring& text)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<wchar_t*>(text.c_str());
    const auto index = static_cast<int>(SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) throw ProgramError(L"The results list cannot take another row.");
    tags_.emplace_back();
    return index + 1;
}

void ListViewResultsList::SetSubItem(int row, int subItem, const std::wstring& text)
{
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(listView_, LVM_SETITEMTEXTW, IndexOf(row), reinterpret_cast<LPARAM>(&item));
}

void ListViewResultsList::SetTag(int row, const std::wstring& tag) { tags_[IndexOf(row)] = tag; }

int ListViewResultsList::RowCount() const
{
    return static_cast<int>(SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListViewResultsList::Text(int row) const { return CellText(row, 0); }

std::wstring ListViewResultsList::SubItem(int row, int subItem) const { return CellText(row, subItem); }

std::wstring ListViewResultsList::Tag(int row) const { return tags_[IndexOf(row)]; }

void ListViewResultsList::Clear()
{
    SendMessageW(listView_, LVM_DELETEALLITEMS, 0, 0);
    tags_.clear();
}

std::wstring ListViewResultsList::CellText(int row, int column) const
{
    const std::size_t index = IndexOf(row);
    std::wstring buffer(260, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length =
            static_cast<std::size_t>(SendMessageW(listView_, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) return buffer.substr(0, length);
        buffer.assign(buffer.size() * 2, L'\0');  // the text may have been cut
    }
}

std::size_t ListViewResultsList::IndexOf(int row) const
{
    if (row < 1 || static_cast<std::size_t>(row) > tags_.size()) {
        throw ProgramError(L"The results list has no row " + std::to_wstring(row) + L".");
    }
    return static_cast<std::size_t>(row - 1);
}
