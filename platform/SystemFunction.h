#pragma once
#include <windows.h>

// A function of a system module looked up at run time, so that the program still starts
// on a system that lacks it; null there.
template <class Function>
Function SystemFunction(const wchar_t* module, const char* name)
{
    const HMODULE loaded = GetModuleHandleW(module);
    if (loaded == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}
