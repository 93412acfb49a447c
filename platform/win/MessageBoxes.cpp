#include "MessageBoxes.h"

#include <string>

#include "../AppIdentity.h"

namespace {

HWND g_owner = nullptr;

class SystemMessageBoxes final : public MessageBoxes {
public:
    int Show(std::wstring_view text, UINT style) override
    {
        const std::wstring terminated(text);
        return MessageBoxW(g_owner, terminated.c_str(), app::kTitle, style);
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
HWND MessageOwner() noexcept { return g_owner; }
