#include "ErrorReporter.h"

#include "platform/MessageLayout.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/SystemError.h"

namespace {

void Report(UINT style, const std::wstring& text, const std::wstring& description)
{
    ShowMessage(MessageParagraphs(text, description), style);
}

}  // namespace

void ErrorReporter::ReportSystemError(DWORD errorCode, UINT style, const std::wstring& text) const
{
    Report(style, text, SystemErrorDescription(errorCode));
}

void ErrorReporter::ReportRuntimeError(const std::exception_ptr& failure, UINT style, const std::wstring& text) const
{
    Report(style, text, DescriptionOf(failure));
}

const ErrorReporter& ProgramErrorReporter()
{
    static const ErrorReporter reporter;
    return reporter;
}
