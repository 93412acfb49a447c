#include "AboutBox.h"

#include "platform/AppIdentity.h"
#include "platform/text/MessageLayout.h"
#include "platform/ui/MessageBoxes.h"

std::wstring AboutText(std::wstring_view text, std::wstring_view author)
{
    std::wstring about = std::wstring(app::kProduct) + L"\r\nВерсия " + app::kVersionText;
    if (!text.empty()) about = MessageParagraphs(about, text);
    return MessageParagraphs(about, author);
}

void ShowAboutBox(std::wstring_view text, std::wstring_view author)
{
    ShowMessage(AboutText(text, author), MB_OK | MB_USERICON);
}
