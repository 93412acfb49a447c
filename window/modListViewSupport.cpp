#include "modListViewSupport.h"

#include <commctrl.h>

void SetListViewFullRowSelect(ListView& listView, bool enable)
{
    listView.SetExtendedStyle(LVS_EX_FULLROWSELECT, enable);
}

void SetListViewGridLines(ListView& listView, bool enable) { listView.SetExtendedStyle(LVS_EX_GRIDLINES, enable); }

void SetListViewLabelTip(ListView& listView, bool enable) { listView.SetExtendedStyle(LVS_EX_LABELTIP, enable); }

ListViewRedrawSuspended::ListViewRedrawSuspended(HWND listView) : listView_(listView)
{
    SendMessageW(listView_, WM_SETREDRAW, FALSE, 0);
}

ListViewRedrawSuspended::~ListViewRedrawSuspended()
{
    SendMessageW(listView_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listView_, nullptr, TRUE);
}
