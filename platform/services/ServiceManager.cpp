#include "ServiceManager.h"

#include "platform/UniqueResource.h"

namespace {

using UniqueServiceHandle = UniqueResource<resource_traits::NullIsNone<SC_HANDLE, &CloseServiceHandle>>;

// The manager for what standard users may ask of it: the services and their states.
UniqueServiceHandle OpenManager()
{
    return UniqueServiceHandle(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE));
}

// A service's handle, or none and the failing call's code, taken before the manager's handle closes (closing it is a
// call of its own, which may change the thread's last error).
struct OpenedService {
    UniqueServiceHandle handle;
    DWORD error = ERROR_SUCCESS;
};

OpenedService OpenService(const std::wstring& name, DWORD access)
{
    const UniqueServiceHandle manager = OpenManager();
    if (!manager) return {UniqueServiceHandle(), GetLastError()};
    UniqueServiceHandle service(OpenServiceW(manager.get(), name.c_str(), access));
    const DWORD error = service ? ERROR_SUCCESS : GetLastError();
    return {std::move(service), error};
}

// A list that keeps growing between the calls that size it and fill it is given up on.
constexpr int kListAttempts = 8;

class SystemServiceManager final : public ServiceManager {
public:
    std::optional<std::vector<RunningService>> RunningServices() override
    {
        const UniqueServiceHandle manager = OpenManager();
        if (!manager) return std::nullopt;
        std::vector<RunningService> services;
        std::vector<BYTE> buffer(64 * 1024);
        DWORD resume = 0;
        for (int attempt = 0; attempt < kListAttempts;) {
            DWORD needed = 0, returned = 0;
            const BOOL done = EnumServicesStatusExW(manager.get(), SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_ACTIVE,
                                                    buffer.data(), static_cast<DWORD>(buffer.size()), &needed,
                                                    &returned, &resume, nullptr);
            if (!done && GetLastError() != ERROR_MORE_DATA) return std::nullopt;
            const auto* status = reinterpret_cast<const ENUM_SERVICE_STATUS_PROCESSW*>(buffer.data());
            for (DWORD i = 0; i < returned; ++i) {
                services.push_back({status[i].lpServiceName, status[i].ServiceStatusProcess.dwProcessId});
            }
            if (done) return services;
            // More follows the resume handle; a buffer too small for even one entry grows.
            if (returned == 0) {
                buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
                ++attempt;
            }
        }
        return std::nullopt;
    }
    std::optional<std::vector<std::wstring>> RunningDependents(const std::wstring& name) override
    {
        const UniqueServiceHandle service = OpenService(name, SERVICE_ENUMERATE_DEPENDENTS).handle;
        if (!service) return std::nullopt;
        std::vector<BYTE> buffer(4096);
        for (int attempt = 0; attempt < kListAttempts; ++attempt) {
            DWORD needed = 0, returned = 0;
            if (EnumDependentServicesW(service.get(), SERVICE_ACTIVE,
                                       reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data()),
                                       static_cast<DWORD>(buffer.size()), &needed, &returned)) {
                std::vector<std::wstring> dependents;
                const auto* status = reinterpret_cast<const ENUM_SERVICE_STATUSW*>(buffer.data());
                for (DWORD i = 0; i < returned; ++i) dependents.emplace_back(status[i].lpServiceName);
                return dependents;
            }
            if (GetLastError() != ERROR_MORE_DATA) return std::nullopt;
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
        }
        return std::nullopt;
    }
    std::optional<ServiceStatus> Status(const std::wstring& name) override
    {
        const UniqueServiceHandle service = OpenService(name, SERVICE_QUERY_STATUS).handle;
        SERVICE_STATUS_PROCESS status{};
        DWORD needed = 0;
        if (!service || !QueryServiceStatusEx(service.get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status),
                                              sizeof status, &needed)) {
            return std::nullopt;
        }
        return ServiceStatus{status.dwCurrentState, status.dwProcessId};
    }
    DWORD Stop(const std::wstring& name) override
    {
        const OpenedService service = OpenService(name, SERVICE_STOP);
        if (!service.handle) return service.error;
        SERVICE_STATUS status{};
        return ControlService(service.handle.get(), SERVICE_CONTROL_STOP, &status) ? ERROR_SUCCESS : GetLastError();
    }
    DWORD Start(const std::wstring& name) override
    {
        const OpenedService service = OpenService(name, SERVICE_START);
        if (!service.handle) return service.error;
        return StartServiceW(service.handle.get(), 0, nullptr) ? ERROR_SUCCESS : GetLastError();
    }
};

}  // namespace

template <>
ServiceManager& Seam<ServiceManager>::Default()
{
    static SystemServiceManager manager;
    return manager;
}
