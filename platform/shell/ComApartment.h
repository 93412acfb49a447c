#pragma once
#include <objbase.h>

// The current thread in a single-threaded COM apartment for the lifetime of the object:
// the shell's calls (ShellExecuteEx, the save dialog) want one on the thread that makes
// them. A thread already in another kind of apartment stays there.
class ComApartment {
public:
    ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment()
    {
        if (entered_) CoUninitialize();  // S_FALSE (entered before) counts too
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};
