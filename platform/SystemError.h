#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

#include "platform/ProgramError.h"

// The system's own description of an error code (FormatMessageW), without the final
// line break; a fallback text when the system has none.
std::wstring SystemErrorDescription(DWORD code);

// A failed Windows call: the call's name and the system's description of the code.
class SystemError : public ProgramError {
public:
    SystemError(std::wstring_view operation, DWORD code);
};

[[noreturn]] void ThrowLastError(std::wstring_view operation);

// The description a failure carries: a program error's own, a standard exception's
// text, or a general one.
std::wstring DescriptionOf(const std::exception_ptr& failure);
