#include "Registry.h"

namespace {

class SystemRegistryKeys final : public RegistryKeys {
public:
    UniqueHkey Open(HKEY root, const std::wstring& path) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return UniqueHkey();
        return UniqueHkey(key);
    }
    UniqueHkey Create(HKEY root, const std::wstring& path) override
    {
        HKEY key = nullptr;
        if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS) {
            return UniqueHkey();
        }
        return UniqueHkey(key);
    }
};

// A value that keeps growing between the calls that size and read it is left alone.
constexpr int kReadAttempts = 4;

}  // namespace

template <>
RegistryKeys& Seam<RegistryKeys>::Default()
{
    static SystemRegistryKeys keys;
    return keys;
}

UniqueHkey OpenRegistryKey(HKEY root, const std::wstring& path) { return Seam<RegistryKeys>::Current().Open(root, path); }

UniqueHkey CreateRegistryKey(HKEY root, const std::wstring& path)
{
    return Seam<RegistryKeys>::Current().Create(root, path);
}

std::optional<StoredValue> ReadRegistryValue(HKEY key, const std::wstring& name)
{
    StoredValue value;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        value.bytes.resize(bytes);
        const LSTATUS read = RegQueryValueExW(key, name.c_str(), nullptr, &type, value.bytes.data(), &bytes);
        if (read == ERROR_SUCCESS) {
            value.bytes.resize(bytes);
            value.type = type;
            return value;
        }
        if (read != ERROR_MORE_DATA) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::wstring> ReadRegistryString(HKEY key, const std::wstring& name)
{
    const std::optional<StoredValue> value = ReadRegistryValue(key, name);
    return value ? StoredText(*value) : std::nullopt;
}

bool WriteRegistryString(HKEY key, const std::wstring& name, const std::wstring& value)
{
    return RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool WriteRegistryDword(HKEY key, const std::wstring& name, DWORD value)
{
    return RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}
