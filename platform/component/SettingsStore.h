#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// The program's settings, kept for this user in the registry under
// HKEY_CURRENT_USER\Software\Quorvel\Vennick (a section is a subkey of it):
//   - text values, such as "Last Save BAT Path" in the empty section;
//   - a list's column widths under the list's name, as REG_DWORD values "Column 1 Width",
//     "Column 2 Width", ... in twips.
// The program never fails on its own settings: whatever is missing, of another type
// or out of range reads as the default, and a value that cannot be stored is lost.
class SettingsStore {
public:
    static std::wstring KeyPath(std::wstring_view section);
    static std::wstring ColumnWidthName(int column);  // 1-based
    static constexpr int kMaxColumnWidthTwips = 150'000;  // about 100 inches

    std::wstring ReadSetting(std::wstring_view section, std::wstring_view name, const std::wstring& defaultValue) const;
    bool WriteSetting(std::wstring_view section, std::wstring_view name, const std::wstring& value) const;

    // Puts back the widths stored for the list view's columns; a column without a
    // valid stored width keeps the width it has.
    void RestoreColumnWidths(HWND listView, std::wstring_view listName) const;
    void SaveColumnWidths(HWND listView, std::wstring_view listName) const;
};
