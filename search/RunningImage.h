#pragma once
// The image a process runs, read from its memory at a module's base: its PE headers and the
// version resource of the copy that is loaded, whatever is now on disk.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "ImageHeaders.h"
#include "platform/files/FileVersion.h"
#include "platform/processes/ProcessQueries.h"

// The process's handle needs PROCESS_VM_READ.
std::optional<ImageStamp> RunningImageStamp(ProcessQueries& api, HANDLE process, std::uint64_t base);
std::optional<FileVersion> RunningImageVersion(ProcessQueries& api, HANDLE process, std::uint64_t base);
