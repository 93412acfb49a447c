#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "platform/UniqueResource.h"

// Thin helpers over the registry. None of them throws: a key or value that cannot be
// read or written shows as an empty result or false.

UniqueHkey OpenRegistryKey(HKEY root, const std::wstring& path);    // for reading
UniqueHkey CreateRegistryKey(HKEY root, const std::wstring& path);  // for writing, created as needed

// The value when it has the asked type (REG_SZ, or REG_DWORD).
std::optional<std::wstring> ReadRegistryString(HKEY key, const std::wstring& name);
std::optional<DWORD> ReadRegistryDword(HKEY key, const std::wstring& name);

bool WriteRegistryString(HKEY key, const std::wstring& name, const std::wstring& value);
bool WriteRegistryDword(HKEY key, const std::wstring& name, DWORD value);
