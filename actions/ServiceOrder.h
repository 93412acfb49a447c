#pragma once
// In which order the services of the listed hosts are stopped and started: a service only
// once every service that depends on it has stopped, and started before them.
#include <string>
#include <vector>

#include "search/ServiceHost.h"

// For each host, in the list's order, each of its services: its running dependents in their
// stop order, then the service; each service once.
std::vector<std::wstring> StopOrder(const std::vector<const ServiceHost*>& hosts);

// For each host, in the list's order, the reverse of its own stop order: each of its services
// before the services that depend on it; each service once.
std::vector<std::wstring> StartOrder(const std::vector<const ServiceHost*>& hosts);
