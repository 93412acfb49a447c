#include "AboutBox.h"

#include "platform/AppIdentity.h"
#include "platform/MessageLayout.h"
#include "platform/win/MessageBoxes.h"

std::wstring AboutBox::Text(std::wstring_view text, std::wstring_view author)
{
    std::wstring about = std::wstring(app::kProduct) + L"\r\nВерсия " + app::kVersionText;
    if (!text.empty()) about = MessageParagraphs(about, text);
    return MessageParagraphs(about, author);
}

void AboutBox::ShowAbout(std::wstring_view text, std::wstring_view author) const
{
    ShowMessage(Text(text, author), MB_OK | MB_USERICON);
}
