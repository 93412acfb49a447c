#include "KeyShortcuts.h"

namespace {
constexpr int kKeyF1 = 0x70;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyA = 0x41;
constexpr int kKeyC = 0x43;
}  // namespace

WindowShortcut ShortcutFor(int keyCode, int shift)
{
    if (keyCode == kKeyF1 && shift == kShiftMask) return WindowShortcut::ShowAbout;
    if (keyCode == kKeyEscape && shift == 0) return WindowShortcut::Close;
    if (keyCode == kKeyEnter) {
        if (shift == 0) return WindowShortcut::PressDefaultButton;
        return shift == kCtrlMask ? WindowShortcut::PressSearch : WindowShortcut::Ignore;
    }
    if (keyCode == kKeyC && shift == kCtrlMask) return WindowShortcut::CopyRows;
    if (keyCode == kKeyA && shift == kCtrlMask) return WindowShortcut::SelectAllRows;
    return WindowShortcut::None;
}
