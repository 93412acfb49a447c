#include "MessagePump.h"

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

void DispatchPaintAndSentMessages()
{
    MSG message{};
    // Looking at the queue answers the messages sent to this thread. The pointer's moves
    // let the windows keep it as they want it (the hourglass).
    for (const UINT move : {WM_MOUSEMOVE, WM_NCMOUSEMOVE}) {
        while (PeekMessageW(&message, nullptr, move, move, PM_REMOVE)) DispatchMessageW(&message);
    }
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&message);
}

InputHeldBack::InputHeldBack()
{
    constexpr std::pair<UINT, UINT> kInput[] = {{WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST},
                                                {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}, {WM_CLOSE, WM_CLOSE},
                                                {WM_SYSCOMMAND, WM_SYSCOMMAND}};
    MSG message{};
    for (const auto& [first, last] : kInput) {
        while (PeekMessageW(&message, nullptr, first, last, PM_REMOVE)) held_.push_back(message);
    }
    std::stable_sort(held_.begin(), held_.end(), [](const MSG& a, const MSG& b) { return a.time < b.time; });
}

InputHeldBack::~InputHeldBack()
{
    for (const MSG& message : held_) PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
}
