#include "ErrorReports.h"

#include "platform/SystemError.h"
#include "platform/text/MessageLayout.h"
#include "platform/ui/MessageBoxes.h"

void ReportSystemError(DWORD errorCode, UINT style, const std::wstring& text)
{
    ShowMessage(MessageParagraphs(text, SystemErrorDescription(errorCode)), style);
}

void ReportFailure(const std::exception_ptr& failure, UINT style, const std::wstring& text)
{
    ShowMessage(MessageParagraphs(text, DescriptionOf(failure)), style);
}
