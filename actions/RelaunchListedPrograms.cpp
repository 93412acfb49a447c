#include <unordered_set>

#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "ServiceOrder.h"
#include "platform/services/ServiceManager.h"
#include "platform/shell/ProgramStart.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/UserFeedback.h"

namespace {

// A service host's services, then their dependents, through the service manager (a
// service program started on its own would find no manager to talk to, and end): each
// service once, whichever host names it.
void StartServicesOf(const ListedProcess& process, std::unordered_set<std::wstring>& started)
{
    if (process.host->servicesUnknown) {
        ShowMessage(action_texts::HostServicesNotStarted(process.program), MB_ICONSTOP);
        return;
    }
    ServiceManager& manager = Seam<ServiceManager>::Current();
    for (const std::wstring& service : StartOrder({&*process.host})) {
        if (!started.insert(service).second) continue;
        const DWORD error = manager.Start(service);
        if (error != ERROR_SUCCESS && error != ERROR_SERVICE_ALREADY_RUNNING) {
            ReportSystemError(error, MB_ICONSTOP, action_texts::ServiceNotStarted(process.program, service));
        }
    }
}

}  // namespace

void RelaunchListedPrograms(const ResultsList& rows, HWND owner)
{
    const std::vector<ListedProcess> processes = ListedProcessesToActOn(rows);
    std::vector<const ServiceHost*> hosts;
    for (const ListedProcess& process : processes) {
        if (process.host && !process.host->servicesUnknown) hosts.push_back(&*process.host);
    }
    if (ShowMessage(action_texts::RelaunchConfirmation(StartOrder(hosts)), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) {
        return;
    }
    {
        const WaitCursor wait;
        std::unordered_set<std::wstring> started;
        for (const ListedProcess& process : processes) {
            if (process.host) {
                StartServicesOf(process, started);
            } else if (!StartProgram(owner, process.program, FolderOf(process.program))) {
                ShowMessage(action_texts::RelaunchFailure(process.program), MB_OK | MB_ICONSTOP);
            }
        }
    }
    DefaultBeep();
}
