#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Seam.h"
#include "platform/UniqueResource.h"
#include "platform/registry/StoredValues.h"

// Thin helpers over the registry. None of them throws: a key or value that cannot be
// read or written shows as an empty result or false.

// Opening and creating keys: a seam, so that tests can have a key that cannot be opened.
class RegistryKeys {
public:
    virtual ~RegistryKeys() = default;
    virtual UniqueHkey Open(HKEY root, const std::wstring& path) = 0;    // for reading
    virtual UniqueHkey Create(HKEY root, const std::wstring& path) = 0;  // for writing, created as needed
};
template <>
RegistryKeys& Seam<RegistryKeys>::Default();

UniqueHkey OpenRegistryKey(HKEY root, const std::wstring& path);
UniqueHkey CreateRegistryKey(HKEY root, const std::wstring& path);

// A value's type and bytes, whatever they are; nullopt when there is no such value.
std::optional<StoredValue> ReadRegistryValue(HKEY key, const std::wstring& name);
// A REG_SZ value's text.
std::optional<std::wstring> ReadRegistryString(HKEY key, const std::wstring& name);

bool WriteRegistryString(HKEY key, const std::wstring& name, const std::wstring& value);
bool WriteRegistryDword(HKEY key, const std::wstring& name, DWORD value);
