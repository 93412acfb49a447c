#pragma once
// Who ran a listed process, where: what relaunch needs to start it again as its user would.
#include <cstdint>
#include <optional>
#include <string>

struct ProcessOwner {
    std::optional<std::uint32_t> sessionId;  // the session it runs in, where it can be read
    // It runs as the user of this desktop (the one the desktop's shell runs as); false where
    // its token cannot be read.
    bool desktopUser = false;
    std::wstring appUserModelId;  // a packaged application's id; empty for any other program

    bool operator==(const ProcessOwner&) const = default;
};
