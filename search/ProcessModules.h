#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What reading one running process gave: its program, when it started, and the full
// path of every module it has loaded, the program's first, in load order.
struct ProcessModules {
    std::uint32_t processId = 0;
    std::wstring programPath;
    std::optional<std::uint64_t> startTime;
    std::vector<std::wstring> modulePaths;
};
