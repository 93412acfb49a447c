#pragma once
#include "platform/Seam.h"

// The modifier keys, as the shortcuts count them (Shift 1, Ctrl 2, Alt 4). A seam, so
// that tests can hold them.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    // The keys held when the message being handled was sent: the mask of a key press.
    virtual int ShiftMaskOfMessage() = 0;
    // Whether Ctrl is held at this very moment: the contains test of a search.
    virtual bool IsControlDown() = 0;
};
template <>
KeyboardState& Seam<KeyboardState>::Default();
