#include "KeyShortcuts.h"

namespace {
constexpr int kKeyF1 = 0x70;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyEnter = 0x0D;
}  // namespace

WindowShortcut ShortcutFor(int keyCode, int shift)
{
    if (keyCode == kKeyF1 && shift == kShiftMask) return WindowShortcut::ShowAbout;
    if (keyCode == kKeyEscape && shift == 0) return WindowShortcut::Close;
    if (keyCode == kKeyEnter) {
        if (shift == 0) return WindowShortcut::PressDefaultButton;
        return shift == kCtrlMask ? WindowShortcut::PressSearch : WindowShortcut::Ignore;
    }
    return WindowShortcut::None;
}
