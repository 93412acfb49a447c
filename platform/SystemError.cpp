#include "SystemError.h"

#include "UniqueResource.h"

std::wstring SystemErrorDescription(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const UniqueLocalMemory owner(buffer);
    if (length == 0) return L"Error " + std::to_wstring(code) + L".";
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

SystemError::SystemError(std::wstring_view operation, DWORD code)
    : ProgramError(std::wstring(operation) + L": " + SystemErrorDescription(code))
{
}

void ThrowLastError(std::wstring_view operation)
{
    throw SystemError(operation, GetLastError());
}

std::wstring DescriptionOf(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const ProgramError& error) {
        return error.Description();
    } catch (const std::exception& error) {
        const std::string what = error.what();
        return std::wstring(what.begin(), what.end());  // the standard library's texts are ASCII
    } catch (...) {
        return L"Unknown error.";
    }
}
