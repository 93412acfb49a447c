#include <algorithm>
#include <optional>

#include "ActionTexts.h"
#include "ListedProcessActions.h"
#include "ListedProcesses.h"
#include "ProcessTermination.h"
#include "ServiceOrder.h"
#include "ServiceStopping.h"
#include "platform/text/TextOperations.h"
#include "platform/ui/ErrorReports.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/UserFeedback.h"

namespace {

// A host whose services have stopped ends by itself; one still running this long after hosts none.
constexpr ULONGLONG kHostEndsWithinMs = 5'000;

enum class Treatment {
    Program,          // ended as a program (a critical process among them: left alone, as it says)
    ServiceHost,      // its services stopped through the service manager
    ServicesUnknown,  // a host whose services cannot be named: nothing is done to it
};

Treatment TreatmentOf(const ListedProcess& process)
{
    if (!process.host) return Treatment::Program;
    if (process.host->servicesUnknown) return Treatment::ServicesUnknown;
    // A critical host (lsass.exe) is left alone as any critical process, none of its services stopped.
    return IsCriticalProcess(process) ? Treatment::Program : Treatment::ServiceHost;
}

void ReportEnd(const ListedProcess& process, const ProcessEnd& end)
{
    const std::wstring id = ProcessIdForMessage(process.processId);
    switch (end.outcome) {
    case ProcessEnd::Outcome::Ended: break;
    case ProcessEnd::Outcome::Failed:
        ReportSystemError(end.error, MB_ICONSTOP, action_texts::TerminateFailure(process.program, id));
        break;
    case ProcessEnd::Outcome::Unidentified:
        ShowMessage(action_texts::TerminateUnidentified(process.program, id), MB_ICONSTOP);
        break;
    case ProcessEnd::Outcome::Critical: ShowMessage(action_texts::TerminateCritical(process.program, id), MB_ICONSTOP); break;
    }
}

}  // namespace

void TerminateListedProcesses(const ResultsList& rows)
{
    const std::vector<ListedProcess> processes = ListedProcessesToActOn(rows);
    std::vector<Treatment> treatments;
    std::vector<const ListedProcess*> hosts;
    std::vector<const ServiceHost*> hostedServices;
    for (const ListedProcess& process : processes) {
        treatments.push_back(TreatmentOf(process));
        if (treatments.back() != Treatment::ServiceHost) continue;
        hosts.push_back(&process);
        hostedServices.push_back(&*process.host);
    }
    if (ShowMessage(action_texts::TerminateConfirmation(StopOrder(hostedServices)), MB_OKCANCEL | MB_ICONEXCLAMATION) ==
        IDCANCEL) {
        return;
    }
    {
        const WaitCursor wait;
        const std::vector<HostStopping> stopping = StopHostedServices(hosts);
        // A host never ends while one of its services runs; one whose services have stopped should end by itself.
        std::vector<ListedProcess> quietHosts;
        for (std::size_t i = 0; i < hosts.size(); ++i) {
            if (stopping[i].stoppedAny && stopping[i].failures.empty()) quietHosts.push_back(*hosts[i]);
        }
        const std::vector<ListedProcess> lingering = StillRunningAfter(quietHosts, kHostEndsWithinMs);
        std::vector<ListedProcess> toEnd;
        std::vector<std::optional<std::size_t>> endOf(processes.size());
        for (std::size_t i = 0; i < processes.size(); ++i) {
            const bool lingers = std::any_of(lingering.begin(), lingering.end(),
                                             [&](const ListedProcess& p) { return p.processId == processes[i].processId; });
            if (treatments[i] != Treatment::Program && !lingers) continue;
            endOf[i] = toEnd.size();
            toEnd.push_back(processes[i]);
        }
        const std::vector<ProcessEnd> ends = EndListedProcesses(toEnd);
        // What the user did meanwhile takes effect once the reports have been read.
        const InputHeldBack heldBack;
        std::size_t host = 0;
        for (std::size_t i = 0; i < processes.size(); ++i) {
            const std::wstring& program = processes[i].program;
            if (treatments[i] == Treatment::ServicesUnknown) {
                ShowMessage(action_texts::HostServicesNotStopped(program), MB_ICONSTOP);
            }
            if (treatments[i] == Treatment::ServiceHost) {
                for (const auto& [service, error] : stopping[host++].failures) {
                    ReportSystemError(error, MB_ICONSTOP, action_texts::ServiceNotStopped(program, service));
                }
            }
            if (endOf[i]) ReportEnd(processes[i], ends[*endOf[i]]);
        }
    }
    DefaultBeep();
}
