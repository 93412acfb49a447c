#pragma once
// Terminate's way with a process that hosts Windows services: its services, and the running
// services that depend on them, are stopped through the service control manager, never
// ended behind its back (the manager would run their failure actions, a restart of the
// computer for some, and leave their dependents broken).
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ListedProcesses.h"

struct HostStopping {
    // The services that did not stop, with why (ERROR_SERVICE_REQUEST_TIMEOUT for one that
    // did not within the time).
    std::vector<std::pair<std::wstring, DWORD>> failures;
    // Some of its services still ran in it and have stopped: the host should end by itself now.
    bool stoppedAny = false;
};

// Stops the hosts' services: each once, in the stop order, each only after its running
// dependents have stopped, and only where it still runs in the listed process (its id and
// its start time); 30 seconds in all. The stop requests go from a worker thread while this
// thread's windows keep answering. One result a host, in their order.
std::vector<HostStopping> StopHostedServices(const std::vector<const ListedProcess*>& hosts);
