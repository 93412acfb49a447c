#include "MessageBoxes.h"

#include <string>

#include "platform/SystemError.h"
#include "platform/AppIdentity.h"

namespace {

HWND g_owner = nullptr;

class SystemMessageBoxes final : public MessageBoxes {
public:
    int Show(std::wstring_view text, UINT style) override
    {
        const std::wstring terminated(text);
        MSGBOXPARAMSW box{};
        box.cbSize = sizeof box;
        box.hwndOwner = g_owner;
        box.hInstance = GetModuleHandleW(nullptr);
        box.lpszText = terminated.c_str();
        box.lpszCaption = app::kTitle;
        box.dwStyle = style;
        box.lpszIcon = kProgramIcon;  // used with MB_USERICON only
        const int answer = MessageBoxIndirectW(&box);
        // No answer at all is no consent: a box that could not be shown is a failure.
        if (answer == 0) ThrowLastError(L"MessageBoxIndirect");
        return answer;
    }
};

}  // namespace

template <>
MessageBoxes& Seam<MessageBoxes>::Default()
{
    static SystemMessageBoxes boxes;
    return boxes;
}

int ShowMessage(std::wstring_view text, UINT style)
{
    return Seam<MessageBoxes>::Current().Show(text, style);
}

void SetMessageOwner(HWND owner) noexcept { g_owner = owner; }
