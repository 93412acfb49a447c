#pragma once
// The service control manager, as far as the program asks it: which services run in which
// process, what depends on them, and stopping and starting them. A seam, so that tests can
// have dependencies, shared hosts and refusals that Wine's manager does not know.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Seam.h"

// A running Win32 service and the process that runs it.
struct RunningService {
    std::wstring name;
    DWORD processId = 0;

    bool operator==(const RunningService&) const = default;
};

struct ServiceStatus {
    DWORD state = SERVICE_STOPPED;  // SERVICE_RUNNING, SERVICE_STOP_PENDING, ...
    DWORD processId = 0;
};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // The running Win32 services, in the manager's order (EnumServicesStatusExW); nullopt
    // when they cannot be listed. Services the caller may not query are left out.
    virtual std::optional<std::vector<RunningService>> RunningServices() = 0;
    // The running services that depend on the service, directly or not, in the order they
    // are stopped (EnumDependentServicesW); nullopt when the service cannot be asked.
    virtual std::optional<std::vector<std::wstring>> RunningDependents(const std::wstring& service) = 0;
    // Its state and process (QueryServiceStatusEx); nullopt when it cannot be asked.
    virtual std::optional<ServiceStatus> Status(const std::wstring& service) = 0;
    // Asks it to stop (SERVICE_CONTROL_STOP), returning once its handler has answered:
    // ERROR_SUCCESS, else why not.
    virtual DWORD Stop(const std::wstring& service) = 0;
    // StartServiceW: ERROR_SUCCESS, else why not.
    virtual DWORD Start(const std::wstring& service) = 0;
};
template <>
ServiceManager& Seam<ServiceManager>::Default();
