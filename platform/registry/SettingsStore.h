#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's settings, kept for this user in the registry under
// HKEY_CURRENT_USER\Software\Quorvel\Vennick (a section is a subkey of it):
//   - text values, such as "Last Save BAT Path" in the empty section;
//   - a list's column widths under the list's name, as REG_DWORD values "Column 1 Width",
//     "Column 2 Width", ... in twips.
// The program never fails on its own settings: whatever is missing, of another type
// or out of range reads as the default, and a value that cannot be stored is lost.
class SettingsStore {
public:
    std::wstring ReadSetting(std::wstring_view section, std::wstring_view name, const std::wstring& defaultValue) const;
    bool WriteSetting(std::wstring_view section, std::wstring_view name, const std::wstring& value) const;

    // The widths stored for the first `columnCount` columns of the list, in twips; a
    // column without a valid stored width has none.
    std::vector<std::optional<int>> ReadColumnWidths(std::wstring_view listName, int columnCount) const;
    void SaveColumnWidths(std::wstring_view listName, const std::vector<int>& widthsTwips) const;

private:
    static std::wstring KeyPath(std::wstring_view section);
    static std::wstring ColumnWidthName(int column);  // 1-based
    static constexpr int kMaxColumnWidthTwips = 150'000;  // about 100 inches
};
