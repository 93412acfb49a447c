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

// ntdll's NtQueryInformationProcess: what the documented calls do not tell of a process.
// True when the call succeeded and filled `information`.
inline bool QueryProcessInformation(HANDLE process, int informationClass, void* information, ULONG size)
{
    using QueryFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    static const auto query = SystemFunction<QueryFn>(L"ntdll.dll", "NtQueryInformationProcess");
    return query != nullptr && query(process, informationClass, information, size, nullptr) >= 0;
}
