#pragma once
// The main window's keyboard shortcuts, Enter among them in every shift state. The window
// sees every key before the focused control; the shift mask must match exactly (Shift 1,
// Ctrl 2, Alt 4).

enum ShiftMask : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

enum class WindowShortcut {
    None,                // not the window's: the key goes on to the focused control
    ShowAbout,           // Shift+F1
    Close,               // Esc
    PressDefaultButton,  // Enter
    PressSearch,         // Ctrl+Enter: the search button, when enabled, with the contains test
    Ignore,              // Enter with Shift or Alt: taken, and nothing happens
    CopyRows,            // Ctrl+C: the selected rows, when the list has the focus
    SelectAllRows,       // Ctrl+A: every row, when the list has the focus
};

WindowShortcut ShortcutFor(int keyCode, int shift);
