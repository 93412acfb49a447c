#include "SettingsStore.h"

#include "platform/registry/Registry.h"
#include "platform/registry/SettingsNames.h"

namespace {

// HKEY_CURRENT_USER\Software\<maker>\<product>, or a subkey of it.
std::wstring KeyPath(const wchar_t* subkey = nullptr)
{
    std::wstring path = std::wstring(settings_names::kSoftware) + L"\\" + settings_names::kMaker + L"\\" +
                        settings_names::kProduct;
    if (subkey != nullptr) path.append(L"\\").append(subkey);
    return path;
}

}  // namespace

std::wstring SettingsStore::LastBatchFolder(const std::wstring& fallback) const
{
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, KeyPath());
    const std::optional<StoredValue> value = key ? ReadRegistryValue(key.get(), settings_names::kLastBatchFolder)
                                                 : std::nullopt;
    return value ? StoredFolder(*value).value_or(fallback) : fallback;
}

bool SettingsStore::KeepLastBatchFolder(const std::wstring& folder) const
{
    const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, KeyPath());
    return key && WriteRegistryString(key.get(), settings_names::kLastBatchFolder, folder);
}

std::vector<std::optional<int>> SettingsStore::ResultsColumnWidths(int columnCount) const
{
    std::vector<std::optional<int>> widths(static_cast<std::size_t>(columnCount));
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, KeyPath(settings_names::kResultsList));
    if (!key) return widths;
    for (int column = 1; column <= columnCount; ++column) {
        if (const auto value = ReadRegistryValue(key.get(), settings_names::ColumnWidth(column))) {
            widths[column - 1] = StoredColumnWidth(*value);
        }
    }
    return widths;
}

void SettingsStore::KeepResultsColumnWidths(const std::vector<int>& widthsTwips) const
{
    const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, KeyPath(settings_names::kResultsList));
    if (!key) return;
    for (std::size_t column = 0; column < widthsTwips.size(); ++column) {
        WriteRegistryDword(key.get(), settings_names::ColumnWidth(static_cast<int>(column) + 1),
                           static_cast<DWORD>(widthsTwips[column]));
    }
}
