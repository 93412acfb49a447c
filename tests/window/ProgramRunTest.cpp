// The real program, started as a user starts it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "fixtures/RunningProgram.h"
#include "platform/component/SettingsStore.h"

using frm_main::Control;

TEST(ProgramRun, AColumnWidthChangedInOneRunIsBackInTheNext)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsStore::KeyPath(L"").c_str());
    {
        RunningProgram first;
        SendMessageW(first.ControlHandle(Control::lvProcesses), LVM_SETCOLUMNWIDTH, 1, 150);
        EXPECT_EQ(first.Close(), 0u);
    }
    RunningProgram second;
    EXPECT_EQ(SendMessageW(second.ControlHandle(Control::lvProcesses), LVM_GETCOLUMNWIDTH, 1, 0), 150);
    EXPECT_EQ(SendMessageW(second.ControlHandle(Control::lvProcesses), LVM_GETCOLUMNWIDTH, 0, 0), 163)
        << "a width never touched stays at its default";
    EXPECT_EQ(second.Close(), 0u);
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsStore::KeyPath(L"").c_str());
}
