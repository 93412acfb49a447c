#include <gtest/gtest.h>

#include "window/KeyShortcuts.h"

TEST(KeyShortcuts, EachShortcutNeedsItsExactShiftMask)
{
    constexpr int kF1 = 0x70, kEsc = 0x1B, kEnter = 0x0D;
    for (int shift = 0; shift < 8; ++shift) {
        EXPECT_EQ(ShortcutFor(kF1, shift), shift == kShiftMask ? FormShortcut::ShowAbout : FormShortcut::None);
        EXPECT_EQ(ShortcutFor(kEsc, shift), shift == 0 ? FormShortcut::Unload : FormShortcut::None);
        EXPECT_EQ(ShortcutFor(kEnter, shift), shift == 0           ? FormShortcut::PressDefaultButton
                                              : shift == kCtrlMask ? FormShortcut::PressSearch
                                                                   : FormShortcut::Ignore);
    }
}
