#include "KeyShortcuts.h"

namespace {
constexpr int kKeyF1 = 0x70;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyEnter = 0x0D;
}  // namespace

FormShortcut ShortcutFor(int keyCode, int shift)
{
    if (keyCode == kKeyF1 && shift == kShiftMask) return FormShortcut::ShowAbout;
    if (keyCode == kKeyEscape && shift == 0) return FormShortcut::Unload;
    if (keyCode == kKeyEnter) {
        if (shift == 0) return FormShortcut::PressDefaultButton;
        return shift == kCtrlMask ? FormShortcut::PressSearch : FormShortcut::Ignore;
    }
    return FormShortcut::None;
}
