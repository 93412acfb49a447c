#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "ServiceOrder.h"
#include "platform/HostEnvironment.h"
#include "platform/processes/OwnProcess.h"
#include "platform/processes/ProcessQueries.h"
#include "platform/services/ServiceManager.h"
#include "platform/shell/Elevation.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/UserFeedback.h"

namespace {

// Starts each listed program again as its user started it. Without elevation, directly. With
// full rights, only the programs this desktop's user ran in this session, through the
// desktop's shell with that user's own rights; with full rights only where the user says so.
class Relaunch {
public:
    explicit Relaunch(HWND owner)
        : owner_(owner), elevation_(Seam<Elevation>::Current()), elevated_(elevation_.IsElevated()), direct_(!elevated_)
    {
        DWORD session = 0;
        if (Seam<ProcessQueries>::Current().SessionOf(GetCurrentProcessId(), &session)) session_ = session;
    }

    // False once the user declined full rights: nothing more is started, and nothing said.
    bool Start(const ListedProcess& process)
    {
        if (process.host) {
            StartServicesOf(process);
            return true;
        }
        if (elevated_ && (!process.owner.desktopUser || !session_ || process.owner.sessionId != session_)) {
            elsewhere_.emplace_back(process.program, static_cast<std::uint32_t>(process.processId));
            return true;
        }
        // A packaged application cannot be started by its path, and is started once whichever of its processes names it.
        const std::wstring& app = process.owner.appUserModelId;
        if (!app.empty() && !apps_.insert(app).second) return true;
        const std::wstring target = app.empty() ? process.program : L"shell:AppsFolder\\" + app;
        const std::wstring folder = app.empty() ? FolderOf(process.program) : std::wstring();
        if (!direct_ && StartThroughDesktop(process, target, folder)) return true;
        if (!direct_) return false;
        if (elevation_.StartDirectly(owner_, target, folder) != ERROR_SUCCESS) Failed(process);
        return true;
    }

    void ReportElsewhere() const
    {
        if (!elsewhere_.empty()) ShowMessage(action_texts::NotStartedElsewhere(elsewhere_), MB_OK | MB_ICONINFORMATION);
    }

private:
    // True when the shell took it (or it was reported); false when no shell answers, after
    // asking whether to start the programs with full rights (direct_ then holds the answer).
    bool StartThroughDesktop(const ListedProcess& process, const std::wstring& target, const std::wstring& folder)
    {
        // The shell says nothing of a program that is not there. A mapped or subst drive of the
        // user's session is not seen from the elevated one: there nothing is tested.
        const bool testable = process.owner.appUserModelId.empty() && IsOnFixedDrive(process.program);
        if (testable && GetFileAttributesW(ExtendedLengthPath(process.program).c_str()) == INVALID_FILE_ATTRIBUTES) {
            Failed(process);
            return true;
        }
        const DWORD started = elevation_.StartThroughDesktop(target, folder);
        if (started != ERROR_NOT_SUPPORTED) {
            if (started != ERROR_SUCCESS) Failed(process);
            return true;
        }
        if (ShowMessage(action_texts::StartWithFullRightsQuestion(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES) {
            return false;
        }
        // A program started by this one inherits its token: not with the privilege the search enabled.
        EnableDebugPrivilege(false);
        direct_ = true;
        return false;
    }

    // A service host's services, then their dependents, through the service manager (a service
    // program started on its own would find no manager to talk to, and end): each service once.
    void StartServicesOf(const ListedProcess& process)
    {
        if (process.host->servicesUnknown) {
            ShowMessage(action_texts::HostServicesNotStarted(process.program), MB_ICONSTOP);
            return;
        }
        ServiceManager& manager = Seam<ServiceManager>::Current();
        for (const std::wstring& service : StartOrder({&*process.host})) {
            if (!services_.insert(service).second) continue;
            const DWORD error = manager.Start(service);
            if (error != ERROR_SUCCESS && error != ERROR_SERVICE_ALREADY_RUNNING) {
                ReportSystemError(error, MB_ICONSTOP, action_texts::ServiceNotStarted(process.program, service));
            }
        }
    }

    static void Failed(const ListedProcess& process)
    {
        ShowMessage(action_texts::RelaunchFailure(process.program), MB_OK | MB_ICONSTOP);
    }

    HWND owner_;
    Elevation& elevation_;
    bool elevated_;
    bool direct_;  // started directly: not elevated, or with full rights the user agreed to
    std::optional<std::uint32_t> session_;
    std::vector<std::pair<std::wstring, std::uint32_t>> elsewhere_;
    std::unordered_set<std::wstring> apps_, services_;
};

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
        Relaunch relaunch(owner);
        bool declined = false;
        for (std::size_t i = 0; i < processes.size() && !declined; ++i) declined = !relaunch.Start(processes[i]);
        if (!declined) relaunch.ReportElsewhere();
    }
    DefaultBeep();
}
