#pragma once
// Extended styles of list views, and keeping a list view from redrawing while it fills.
#include <windows.h>

// Switches one extended style bit on or off, leaving every other bit as it is.
void SetListViewExtendedStyle(HWND listView, DWORD style, bool enable);
void SetListViewFullRowSelect(HWND listView, bool enable);
void SetListViewGridLines(HWND listView, bool enable);
void SetListViewLabelTip(HWND listView, bool enable);

// No redrawing of the list view while the object lives; one full repaint at its end.
class ListViewRedrawSuspended {
public:
    explicit ListViewRedrawSuspended(HWND listView);
    ~ListViewRedrawSuspended();
    ListViewRedrawSuspended(const ListViewRedrawSuspended&) = delete;
    ListViewRedrawSuspended& operator=(const ListViewRedrawSuspended&) = delete;

private:
    HWND listView_;
};
