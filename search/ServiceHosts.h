#pragma once
// Which of the processes a search listed run Windows services, read from the service
// control manager once a search, and only when the search found rows.
#include <windows.h>

#include <unordered_map>
#include <vector>

#include "ProcessModules.h"
#include "ServiceHost.h"

// The services of each process that hosts any, by process id, with their running
// dependents. The manager leaves out services the caller may not query: a process that
// the service control manager started (its parent is `services.exe` of `systemFolder`,
// started before it) is a host all the same, whose services are unknown.
std::unordered_map<DWORD, ServiceHost> ServiceHostsOf(const std::vector<const ProcessModules*>& processes,
                                                      const std::wstring& systemFolder);
