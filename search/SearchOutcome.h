#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A running process the search could not examine: whatever it has loaded is not among
// the rows.
struct UnexaminedProcess {
    std::uint32_t processId = 0;
    std::wstring programName;  // its program's file name; empty where the platform cannot name it
    bool refused = false;      // for lack of rights: full rights may examine it
    bool isProtected = false;  // protected: not even full rights examine it

    bool operator==(const UnexaminedProcess&) const = default;
};

// What a search saw beside its rows: the processes it could not examine, in the
// process list's order.
struct SearchOutcome {
    std::vector<UnexaminedProcess> unexamined;
};
