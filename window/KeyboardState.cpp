#include "KeyboardState.h"

#include <windows.h>

#include "KeyShortcuts.h"

namespace {

class SystemKeyboardState final : public KeyboardState {
public:
    int ShiftMaskOfMessage() override
    {
        return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
               (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
    }
    // Only the "held now" bit: the low bit means "pressed at some time since the last
    // query" (a Ctrl+V that pasted the name, say), not a held key.
    bool IsControlDown() override { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }
};

}  // namespace

template <>
KeyboardState& Seam<KeyboardState>::Default()
{
    static SystemKeyboardState keyboard;
    return keyboard;
}
