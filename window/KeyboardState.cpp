#include "KeyboardState.h"

#include <windows.h>

#include "KeyShortcuts.h"

namespace {

class SystemKeyboardState final : public KeyboardState {
public:
    int ShiftMask(KeyMoment moment) override
    {
        return (IsHeld(VK_SHIFT, moment) ? kShiftMask : 0) | (IsHeld(VK_CONTROL, moment) ? kCtrlMask : 0) |
               (IsHeld(VK_MENU, moment) ? kAltMask : 0);
    }

private:
    static bool IsHeld(int key, KeyMoment moment)
    {
        if (moment == KeyMoment::OfMessage) return GetKeyState(key) < 0;
        // Only the "held now" bit: the low bit means "pressed at some time since the last
        // query" (a Ctrl+V that pasted the name, say), not a held key.
        return (GetAsyncKeyState(key) & 0x8000) != 0;
    }
};

}  // namespace

template <>
KeyboardState& Seam<KeyboardState>::Default()
{
    static SystemKeyboardState keyboard;
    return keyboard;
}
