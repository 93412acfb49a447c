#include "SettingsStore.h"

#include "platform/AppIdentity.h"
#include "platform/registry/Registry.h"

std::wstring SettingsStore::KeyPath(std::wstring_view section)
{
    std::wstring path = std::wstring(L"Software\\") + app::kMaker + L"\\" + app::kProduct;
    if (!section.empty()) path.append(L"\\").append(section);
    return path;
}

std::wstring SettingsStore::ColumnWidthName(int column) { return L"Column " + std::to_wstring(column) + L" Width"; }

std::wstring SettingsStore::ReadSetting(std::wstring_view section, std::wstring_view name,
                                        const std::wstring& defaultValue) const
{
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, KeyPath(section));
    if (!key) return defaultValue;
    return ReadRegistryString(key.get(), std::wstring(name)).value_or(defaultValue);
}

bool SettingsStore::WriteSetting(std::wstring_view section, std::wstring_view name, const std::wstring& value) const
{
    const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, KeyPath(section));
    return key && WriteRegistryString(key.get(), std::wstring(name), value);
}

std::vector<std::optional<int>> SettingsStore::ReadColumnWidths(std::wstring_view listName, int columnCount) const
{
    std::vector<std::optional<int>> widths(static_cast<std::size_t>(columnCount));
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, KeyPath(listName));
    if (!key) return widths;
    for (int column = 1; column <= columnCount; ++column) {
        const auto twips = ReadRegistryDword(key.get(), ColumnWidthName(column));
        // A REG_DWORD holding a negative number reads as a huge one: both are out of range.
        if (twips && *twips <= static_cast<DWORD>(kMaxColumnWidthTwips)) widths[column - 1] = static_cast<int>(*twips);
    }
    return widths;
}

void SettingsStore::SaveColumnWidths(std::wstring_view listName, const std::vector<int>& widthsTwips) const
{
    const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, KeyPath(listName));
    if (!key) return;
    for (std::size_t column = 0; column < widthsTwips.size(); ++column) {
        WriteRegistryDword(key.get(), ColumnWidthName(static_cast<int>(column) + 1),
                           static_cast<DWORD>(widthsTwips[column]));
    }
}
