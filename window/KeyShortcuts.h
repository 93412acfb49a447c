#pragma once
// The main window's keyboard shortcuts. The window sees every key before the focused
// control; the shift mask must match exactly (Shift 1, Ctrl 2, Alt 4).

enum ShiftMask : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

enum class FormShortcut {
    None,
    ShowAbout,    // Shift+F1
    Unload,       // Esc
    PressSearch,  // Ctrl+Enter: the search button, when enabled, with the contains test
};

FormShortcut ShortcutFor(int keyCode, int shift);
