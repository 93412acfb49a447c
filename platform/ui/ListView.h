#pragma once
// The list-view control's messages, one call each: every LVM_ message the program
// sends goes through here.
#include <windows.h>

#include <string>
#include <vector>

class ListView {
public:
    explicit ListView(HWND handle) : handle_(handle) {}
    HWND Handle() const { return handle_; }

    // Columns; all positions and indices are 0-based, widths in pixels.
    void InsertColumn(int position, const wchar_t* header, int width);
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);

    // The background, and the text with its background.
    void SetColors(COLORREF background, COLORREF text);

    // Switches one extended style bit on or off, leaving every other bit as it is.
    void SetExtendedStyle(DWORD style, bool enable);

    // Items; InsertItem answers the new item's index, or -1 when the list takes no more.
    int InsertItem(int index, const std::wstring& text);
    void SetItemText(int index, int subItem, const std::wstring& text);
    void DeleteAllItems();
    // The selected items, in order; selecting every item.
    std::vector<int> SelectedItems() const;
    void SelectAllItems();
    // Where a context menu opened with the keyboard stands: below the focused item, else
    // at the list's corner; in screen coordinates.
    POINT KeyboardMenuPoint() const;

private:
    HWND handle_;
};

// No redrawing of a list view while the object lives; one full repaint at its end.
class ListViewRedrawSuspended {
public:
    explicit ListViewRedrawSuspended(HWND listView);
    ~ListViewRedrawSuspended();
    ListViewRedrawSuspended(const ListViewRedrawSuspended&) = delete;
    ListViewRedrawSuspended& operator=(const ListViewRedrawSuspended&) = delete;

private:
    HWND listView_;
};
