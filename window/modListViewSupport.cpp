#include "modListViewSupport.h"

#include <commctrl.h>

void SetListViewExtendedStyle(HWND listView, DWORD style, bool enable)
{
    // The bit is the mask, so no other extended style changes.
    SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, style, enable ? style : 0);
}

void SetListViewFullRowSelect(HWND listView, bool enable)
{
    SetListViewExtendedStyle(listView, LVS_EX_FULLROWSELECT, enable);
}

void SetListViewGridLines(HWND listView, bool enable) { SetListViewExtendedStyle(listView, LVS_EX_GRIDLINES, enable); }

void SetListViewLabelTip(HWND listView, bool enable) { SetListViewExtendedStyle(listView, LVS_EX_LABELTIP, enable); }

ListViewRedrawSuspended::ListViewRedrawSuspended(HWND listView) : listView_(listView)
{
    SendMessageW(listView_, WM_SETREDRAW, FALSE, 0);
}

ListViewRedrawSuspended::~ListViewRedrawSuspended()
{
    SendMessageW(listView_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listView_, nullptr, TRUE);
}
