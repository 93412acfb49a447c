#pragma once
// Reports of a failure to the user: a modal message box owned by the main window, with
// the given style, showing the text, an empty line and the failure's own description.
#include <windows.h>

#include <exception>
#include <string>

// The description is the system's text for the error code.
void ReportSystemError(DWORD errorCode, UINT style, const std::wstring& text);

// The description is the one the failure carries.
void ReportFailure(const std::exception_ptr& failure, UINT style, const std::wstring& text);
