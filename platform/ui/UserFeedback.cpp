#include "UserFeedback.h"

#include <windows.h>

namespace {

bool g_waitCursorOn = false;

class SystemFeedback final : public UserFeedback {
public:
    void SetWaitCursor(bool on) override
    {
        g_waitCursorOn = on;
        SetCursor(LoadCursorW(nullptr, on ? IDC_WAIT : IDC_ARROW));
    }
    void Beep() override { MessageBeep(MB_OK); }
};

}  // namespace

template <>
UserFeedback& Seam<UserFeedback>::Default()
{
    static SystemFeedback feedback;
    return feedback;
}

void DefaultBeep() { Seam<UserFeedback>::Current().Beep(); }

bool IsWaitCursorOn() { return g_waitCursorOn; }
