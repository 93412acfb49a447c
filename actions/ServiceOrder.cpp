#include "ServiceOrder.h"

#include <algorithm>
#include <unordered_set>

std::vector<std::wstring> StopOrder(const std::vector<const ServiceHost*>& hosts)
{
    std::vector<std::wstring> order;
    std::unordered_set<std::wstring> seen;
    const auto add = [&](const std::wstring& name) {
        if (seen.insert(name).second) order.push_back(name);
    };
    for (const ServiceHost* host : hosts) {
        for (const HostedService& service : host->services) {
            if (service.dependents) std::for_each(service.dependents->begin(), service.dependents->end(), add);
            add(service.name);
        }
    }
    return order;
}

std::vector<std::wstring> StartOrder(const std::vector<const ServiceHost*>& hosts)
{
    std::vector<std::wstring> order;
    std::unordered_set<std::wstring> seen;
    for (const ServiceHost* host : hosts) {
        std::vector<std::wstring> own = StopOrder({host});
        std::reverse(own.begin(), own.end());
        for (std::wstring& name : own) {
            if (seen.insert(name).second) order.push_back(std::move(name));
        }
    }
    return order;
}
