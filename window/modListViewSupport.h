#pragma once
// The results list's extended styles, and keeping a list view from redrawing while it
// fills.
#include <windows.h>

#include "platform/win/ListView.h"

void SetListViewFullRowSelect(ListView& listView, bool enable);
void SetListViewGridLines(ListView& listView, bool enable);
void SetListViewLabelTip(ListView& listView, bool enable);

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
