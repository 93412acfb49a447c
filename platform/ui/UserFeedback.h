#pragma once
#include "platform/Seam.h"

// The program-wide signs that a command is busy or done: the hourglass pointer and the
// system's default beep. A seam, so that tests can see when each is given.
class UserFeedback {
public:
    virtual ~UserFeedback() = default;
    virtual void SetWaitCursor(bool on) = 0;
    virtual void Beep() = 0;
};
template <>
UserFeedback& Seam<UserFeedback>::Default();

// The hourglass for every window of the program while the object lives.
class WaitCursor {
public:
    WaitCursor() { Seam<UserFeedback>::Current().SetWaitCursor(true); }
    ~WaitCursor() { Seam<UserFeedback>::Current().SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void DefaultBeep();

// True while the hourglass is on: windows keep it over them (WM_SETCURSOR).
bool IsWaitCursorOn();
