#include "MessageLoop.h"

#include <windows.h>

#include "frmMain.h"

namespace {

void Deliver(frmMain& form, MSG& message)
{
    if (form.PreTranslateMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

int RunMessageLoop(frmMain& form)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(form, message);
    return static_cast<int>(message.wParam);
}

bool DoEvents(frmMain& form)
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Deliver(form, message);
    }
    return true;
}
