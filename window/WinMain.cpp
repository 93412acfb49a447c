// The entry procedure: prepares the process, shows the main window and runs the
// message loop until the window has been unloaded.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "CommandLine.h"
#include "MessageLoop.h"
#include "frmMain.h"
#include "platform/support/HostEnvironment.h"
#include "platform/support/AppPathRegistration.h"
#include "platform/support/ApplicationWindow.h"
#include "platform/support/WindowIcons.h"
#include "platform/win/MessageBoxes.h"
#include "platform/win/SystemError.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    WindowIcons ownerIcons;  // the hidden owner window's, for the program's life
    std::optional<frmMain> form;
    bool shown = false;
    RunGuarded([&] {
        qsRegisterAppPath();
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        if (!qsIsInIDE()) ownerIcons = qsSetWindowResIconAll(qsGetThunderMainHandle(), kProgramIcon);
        form.emplace(CommandLineArguments(GetCommandLineW()));
        if (!form->Load()) ThrowLastError(L"CreateWindowEx");
        form->Show();
        shown = true;
    });
    return shown ? RunMessageLoop(*form) : 1;
}
