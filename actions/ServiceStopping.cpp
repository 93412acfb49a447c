#include "ServiceStopping.h"

#include <exception>
#include <optional>
#include <thread>
#include <unordered_set>

#include "platform/Clock.h"
#include "platform/SystemError.h"
#include "platform/UniqueResource.h"
#include "platform/processes/ProcessControl.h"
#include "platform/processes/ProcessQueries.h"
#include "platform/services/ServiceManager.h"
#include "platform/ui/MessagePump.h"

namespace {

// The service manager's own patience with a service, for all of them together.
constexpr std::uint64_t kStopAllWithinMs = 30'000;
constexpr std::uint32_t kStatePollMs = 100;
constexpr DWORD kAnswerEveryMs = 50;

class Stopping {
public:
    Stopping() : manager_(Seam<ServiceManager>::Current()), clock_(Seam<Clock>::Current())
    {
        deadline_ = clock_.NowMs() + kStopAllWithinMs;
    }

    void StopHost(const ListedProcess& host, HostStopping& result)
    {
        if (!StillTheListedProcess(host)) return;
        for (const HostedService& service : host.host->services) {
            if (stopped_.count(service.name)) continue;
            // A service that has stopped, or runs in another process now, is left alone: as a process that ended.
            const std::optional<ServiceStatus> status = manager_.Status(service.name);
            if (!status || status->state == SERVICE_STOPPED ||
                status->processId != static_cast<DWORD>(host.processId)) {
                continue;
            }
            if (service.dependents) {
                for (const std::wstring& dependent : *service.dependents) StopOnce(dependent, result);
            }
            StopOnce(service.name, result);
            result.stoppedAny = true;
        }
    }

private:
    // The id and the start time name one process for good.
    static bool StillTheListedProcess(const ListedProcess& host)
    {
        if (!host.startTime) return true;
        ProcessQueries& api = Seam<ProcessQueries>::Current();
        const UniqueHandle process = api.OpenProcess(kLimitedQueryAccess, static_cast<DWORD>(host.processId));
        const std::optional<std::uint64_t> started = process ? StartTimeOf(api, process.get()) : std::nullopt;
        return !started || *started == *host.startTime;
    }

    void StopOnce(const std::wstring& name, HostStopping& result)
    {
        if (!stopped_.insert(name).second) return;
        const DWORD error = StopAndWait(name);
        if (error != ERROR_SUCCESS) result.failures.emplace_back(name, error);
    }

    DWORD StopAndWait(const std::wstring& name)
    {
        DWORD error = manager_.Stop(name);
        if (error == ERROR_SERVICE_NOT_ACTIVE) return ERROR_SUCCESS;
        // One that takes no request while it is stopping already is waited for.
        if (error == ERROR_SERVICE_CANNOT_ACCEPT_CTRL) {
            const std::optional<ServiceStatus> status = manager_.Status(name);
            if (status && (status->state == SERVICE_STOP_PENDING || status->state == SERVICE_STOPPED)) {
                error = ERROR_SUCCESS;
            }
        }
        if (error != ERROR_SUCCESS) return error;
        for (;;) {
            const std::optional<ServiceStatus> status = manager_.Status(name);
            if (!status || status->state == SERVICE_STOPPED) return ERROR_SUCCESS;
            if (clock_.NowMs() >= deadline_) return ERROR_SERVICE_REQUEST_TIMEOUT;
            clock_.Pause(kStatePollMs);
        }
    }

    ServiceManager& manager_;
    Clock& clock_;
    std::uint64_t deadline_ = 0;
    std::unordered_set<std::wstring> stopped_;
};

}  // namespace

std::vector<HostStopping> StopHostedServices(const std::vector<const ListedProcess*>& hosts)
{
    std::vector<HostStopping> results(hosts.size());
    if (hosts.empty()) return results;
    const UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!done) ThrowLastError(L"CreateEvent");
    std::exception_ptr failure;
    // ControlService returns only once the service's handler has answered, up to 30 seconds.
    std::thread worker([&] {
        try {
            Stopping stopping;
            for (std::size_t i = 0; i < hosts.size(); ++i) stopping.StopHost(*hosts[i], results[i]);
        } catch (...) {
            failure = std::current_exception();
        }
        SetEvent(done.get());
    });
    ProcessControl& control = Seam<ProcessControl>::Current();
    const HANDLE waitFor = done.get();
    while (control.WaitForEndOrMessages(&waitFor, 1, kAnswerEveryMs) != WAIT_OBJECT_0) DispatchPaintAndSentMessages();
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return results;
}
