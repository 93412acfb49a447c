// The entry procedure: prepares the process, shows the main window and runs the
// message loop until the window has been closed.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "CommandLine.h"
#include "MainWindow.h"
#include "MessageLoop.h"
#include "platform/HostEnvironment.h"
#include "platform/SystemError.h"
#include "platform/registry/AppPathRegistration.h"
#include "platform/ProgramBitness.h"
#include "platform/ui/ApplicationWindow.h"
#include "platform/ui/Dpi.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WindowIcons.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    WindowIcons ownerIcons;  // the hidden owner window's, for the program's life
    std::optional<MainWindow> window;
    bool shown = false;
    RunGuarded([&] {
        RegisterAppPath();
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        if (!IsDebuggerAttached()) {
            ownerIcons = SetWindowIcons(ApplicationWindow(), kProgramIcon, DpiOfWindow(ApplicationWindow()));
        }
        window.emplace(CommandLineArguments(GetCommandLineW()));
        if (!window->Create()) ThrowLastError(L"CreateWindowEx");
        window->Show();
        shown = true;
    });
    return shown ? RunMessageLoop(*window) : 1;
}
