#pragma once
#include <cstdint>
#include <optional>
#include <string>

// One row of the results: one module that matched, in one process. The results list
// shows the first three fields; the rest stays with the row for the actions.
struct ResultRow {
    std::wstring program;        // the file name of the process's program
    std::wstring moduleVersion;  // the module's version text, "---" without one
    std::wstring modulePath;     // the module's full path
    std::wstring processKey;     // the process entry key: the process id and its program's full path
    // When the process started, where it could be read: with the id, what tells the
    // listed process from a later one that took its id.
    std::optional<std::uint64_t> processStart;

    bool operator==(const ResultRow&) const = default;
};
