#pragma once
#include "platform/Seam.h"

// Whether the Ctrl key is held at this moment (the contains test of a search). A seam,
// so that tests can hold it.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    virtual bool IsControlDown() = 0;
};
template <>
KeyboardState& Seam<KeyboardState>::Default();
