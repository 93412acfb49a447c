#include "AboutBox.h"

#include "platform/AppIdentity.h"
#include "platform/win/MessageBoxes.h"

std::wstring AboutBox::Text(std::wstring_view text, std::wstring_view author)
{
    std::wstring about = std::wstring(app::kProduct) + L"\r\nВерсия " + app::kVersionText;
    if (!text.empty()) about.append(L"\r\n\r\n").append(text);
    about.append(L"\r\n\r\n").append(author);
    return about;
}

void AboutBox::ShowAbout(std::wstring_view text, std::wstring_view author) const
{
    ShowMessage(Text(text, author), MB_OK | MB_USERICON);
}
