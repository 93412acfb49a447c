#include "ListView.h"

#include <commctrl.h>

void ListView::InsertColumn(int position, const wchar_t* header, int width)
{
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(header);
    column.cx = width;
    SendMessageW(handle_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&column));
}

int ListView::ColumnCount() const
{
    const auto header = reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0));
    return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

int ListView::ColumnWidth(int column) const
{
    return static_cast<int>(SendMessageW(handle_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

void ListView::SetColumnWidth(int column, int width)
{
    SendMessageW(handle_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
}

void ListView::SetColors(COLORREF background, COLORREF text)
{
    SendMessageW(handle_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(handle_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(handle_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

void ListView::SetExtendedStyle(DWORD style, bool enable)
{
    // The bit is the mask, so no other extended style changes.
    SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, style, enable ? style : 0);
}

int ListView::InsertItem(int index, const std::wstring& text)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<int>(SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetItemText(int index, int subItem, const std::wstring& text)
{
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(handle_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void ListView::DeleteAllItems() { SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0); }

std::vector<int> ListView::SelectedItems() const
{
    std::vector<int> items;
    for (int item = -1;;) {
        item = static_cast<int>(SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED));
        if (item < 0) return items;
        items.push_back(item);
    }
}

void ListView::SelectAllItems()
{
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(handle_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

POINT ListView::KeyboardMenuPoint() const
{
    POINT point{0, 0};
    const auto focused = static_cast<int>(SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    RECT item{};
    item.left = LVIR_BOUNDS;
    if (focused >= 0 && SendMessageW(handle_, LVM_GETITEMRECT, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&item))) {
        point = {item.left, item.bottom};
    }
    ClientToScreen(handle_, &point);
    return point;
}

ListViewRedrawSuspended::ListViewRedrawSuspended(HWND listView) : listView_(listView)
{
    SendMessageW(listView_, WM_SETREDRAW, FALSE, 0);
}

ListViewRedrawSuspended::~ListViewRedrawSuspended()
{
    SendMessageW(listView_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listView_, nullptr, TRUE);
}
