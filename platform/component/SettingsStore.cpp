#include "SettingsStore.h"

#include <commctrl.h>

#include "platform/AppIdentity.h"
#include "platform/Twips.h"
#include "platform/win/Dpi.h"
#include "platform/win/Registry.h"

namespace {

int ColumnCount(HWND listView)
{
    const auto header = reinterpret_cast<HWND>(SendMessageW(listView, LVM_GETHEADER, 0, 0));
    return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

}  // namespace

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

void SettingsStore::RestoreColumnWidths(HWND listView, std::wstring_view listName) const
{
    const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, KeyPath(listName));
    if (!key) return;
    const int dpi = static_cast<int>(DpiOfWindow(listView));
    for (int column = 1; column <= ColumnCount(listView); ++column) {
        const auto twips = ReadRegistryDword(key.get(), ColumnWidthName(column));
        // A REG_DWORD holding a negative number reads as a huge one: both are out of range.
        if (!twips || *twips > static_cast<DWORD>(kMaxColumnWidthTwips)) continue;
        SendMessageW(listView, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column - 1),
                     TwipsToPixels(static_cast<int>(*twips), dpi));
    }
}

void SettingsStore::SaveColumnWidths(HWND listView, std::wstring_view listName) const
{
    const UniqueHkey key = CreateRegistryKey(HKEY_CURRENT_USER, KeyPath(listName));
    if (!key) return;
    const int dpi = static_cast<int>(DpiOfWindow(listView));
    for (int column = 1; column <= ColumnCount(listView); ++column) {
        const int pixels = static_cast<int>(SendMessageW(listView, LVM_GETCOLUMNWIDTH, column - 1, 0));
        WriteRegistryDword(key.get(), ColumnWidthName(column), static_cast<DWORD>(PixelsToTwips(pixels, dpi)));
    }
}
