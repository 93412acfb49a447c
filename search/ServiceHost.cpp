#include "ServiceHost.h"

std::wstring JoinedServiceNames(const std::vector<std::wstring>& names)
{
    std::wstring joined;
    for (const std::wstring& name : names) joined.append(joined.empty() ? L"" : L", ").append(name);
    return joined;
}

std::wstring HostProgramText(const std::wstring& programName, const ServiceHost& host)
{
    if (host.services.empty()) return programName;
    std::vector<std::wstring> names;
    for (const HostedService& service : host.services) names.push_back(service.name);
    return programName + L" (" + JoinedServiceNames(names) + L")";
}
