#pragma once
#include <windows.h>

#include <vector>

// While a command waits, the thread's windows keep answering: they repaint, keep their
// pointer and answer what other threads and programs send them. Clicks, keys and posted
// messages stay in the queue until the command has ended.
void DispatchPaintAndSentMessages();

// What the user did while a command waited (clicks, keys, a close) is held back while
// the object lives, out of reach of the message boxes the command still shows, and takes
// effect after it, in its order.
class InputHeldBack {
public:
    InputHeldBack();
    ~InputHeldBack();
    InputHeldBack(const InputHeldBack&) = delete;
    InputHeldBack& operator=(const InputHeldBack&) = delete;

private:
    std::vector<MSG> held_;
};
