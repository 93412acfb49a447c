#pragma once
#include <cstdint>
#include <optional>
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

// The running processes could not be listed at all: the search found nothing, for it
// could not look.
struct ListingFailure {
    enum class Listing {
        ProcessIds,       // the process-status interface's list of ids (the NT family)
        ProcessSnapshot,  // the tool-help snapshot of all processes (the 9x family)
    };
    Listing listing = Listing::ProcessIds;
    std::uint32_t errorCode = 0;

    bool operator==(const ListingFailure&) const = default;
};

// What a search saw beside its rows: the processes it could not examine, in the process
// list's order, or that it could not list them. The search shows no message itself.
struct SearchOutcome {
    std::vector<UnexaminedProcess> unexamined;
    std::optional<ListingFailure> listingFailure;
};
