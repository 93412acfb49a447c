#pragma once
#include "platform/Seam.h"

// When the modifier keys are read.
enum class KeyMoment {
    OfMessage,  // when the message being handled was sent: the mask of a key press
    Now,        // at this very moment: the contains test of a search
};

// The modifier keys, as the shortcuts count them (Shift 1, Ctrl 2, Alt 4). A seam, so
// that tests can hold them.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    virtual int ShiftMask(KeyMoment moment) = 0;
};
template <>
KeyboardState& Seam<KeyboardState>::Default();
