#pragma once
#include <optional>
#include <string>
#include <vector>

// The program's settings, kept for this user in the registry (SettingsNames.h says where):
// the folder of the batch file saved last, and the results list's column widths in twips.
// The program never fails on its own settings: whatever is missing, of another type or
// out of range reads as the default, and a value that cannot be stored is lost.
class SettingsStore {
public:
    // The folder kept, else `fallback`.
    std::wstring LastBatchFolder(const std::wstring& fallback) const;
    bool KeepLastBatchFolder(const std::wstring& folder) const;

    // The widths kept for the list's first `columnCount` columns; none for a column without a valid one.
    std::vector<std::optional<int>> ResultsColumnWidths(int columnCount) const;
    void KeepResultsColumnWidths(const std::vector<int>& widthsTwips) const;
};
