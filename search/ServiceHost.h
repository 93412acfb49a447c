#pragma once
// The Windows services a listed process runs: such a process is stopped and started through
// the service control manager, never ended or started as a program.
#include <optional>
#include <string>
#include <vector>

struct HostedService {
    std::wstring name;  // its short name (Dnscache)
    // Its running dependents, in the order they are stopped; nullopt where they cannot be known.
    std::optional<std::vector<std::wstring>> dependents;

    bool operator==(const HostedService&) const = default;
};

struct ServiceHost {
    std::vector<HostedService> services;  // in the manager's order
    // A process the service manager started whose services cannot be named (the caller may
    // not query them): its services are unknown, and nothing is done to it.
    bool servicesUnknown = false;

    bool operator==(const ServiceHost&) const = default;
};

// The first column of a service host's row: its program's file name, a blank and its
// services' names in parentheses, "svchost.exe (Dnscache, nsi)"; the file name alone for
// one whose services are unknown.
std::wstring HostProgramText(const std::wstring& programName, const ServiceHost& host);

// The names joined as the messages list them: "A, B, C".
std::wstring JoinedServiceNames(const std::vector<std::wstring>& names);
