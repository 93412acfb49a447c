#pragma once
// Where and under which names the program keeps its settings, in one place:
//   HKEY_CURRENT_USER\Software\Quorvel\Vennick        "Last Save BAT Path" (REG_SZ)
//   HKEY_CURRENT_USER\Software\Quorvel\Vennick\Processes List
//                                                     "Column 1 Width" ... (REG_DWORD, twips)
#include <string>

namespace settings_names {

// The key's parts: HKEY_CURRENT_USER\<software>\<maker>\<product>.
inline constexpr const wchar_t* kSoftware = L"Software";
inline constexpr const wchar_t* kMaker = L"Quorvel";
inline constexpr const wchar_t* kProduct = L"Vennick";

// The subkey of the results list's column widths.
inline constexpr const wchar_t* kResultsList = L"Processes List";

// The folder of the batch file saved last, in the program's own key.
inline constexpr const wchar_t* kLastBatchFolder = L"Last Save BAT Path";

// "Column 1 Width", "Column 2 Width", ...: a column's width, 1-based.
inline std::wstring ColumnWidth(int column) { return L"Column " + std::to_wstring(column) + L" Width"; }

}  // namespace settings_names
