#include "MessageLoop.h"

#include <windows.h>

#include "MainWindow.h"

namespace {

void Deliver(MainWindow& window, MSG& message)
{
    if (window.PreTranslateMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

int RunMessageLoop(MainWindow& window)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(window, message);
    return static_cast<int>(message.wParam);
}

bool PumpWaitingMessages(MainWindow& window)
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Deliver(window, message);
    }
    return true;
}
