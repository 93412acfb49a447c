#pragma once
// The module files of one search: what each file at a module's path holds now, its version
// resource and its PE headers, read once however many processes and threads ask for it.
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ImageHeaders.h"
#include "platform/files/FileVersion.h"

struct ModuleFile {
    enum class Open {
        Read,     // opened: `stamp` holds its headers where they are valid
        Missing,  // no file or no folder there (2, 3) on a drive this session has: renamed or deleted
        Failed,   // any other failure: nothing is known of it
    };
    Open open = Open::Failed;
    std::optional<FileVersion> version;
    std::optional<ImageStamp> stamp;
};

// The version column's text: "---" without a version; a zero third number is left out
// ("5.1.2600" for 5.1.0.2600), otherwise all four ("5.1.3.2600").
std::wstring VersionText(const std::optional<FileVersion>& version);

class ModuleFiles {
public:
    // Reads a file; given the path in the form the system takes at any length.
    using Reader = std::function<ModuleFile(const std::wstring& path)>;

    explicit ModuleFiles(Reader reader) : reader_(std::move(reader)) {}

    // The file at the path, read now unless it was read before; from any thread at once.
    const ModuleFile& At(const std::wstring& path);
    // Reads the files at the paths not read before, each once, on `workers` threads.
    void ReadAll(const std::vector<std::wstring>& paths, unsigned workers);

private:
    struct Entry {
        std::once_flag read;
        ModuleFile file;
    };

    Reader reader_;
    std::mutex lock_;
    std::unordered_map<std::wstring, std::unique_ptr<Entry>> entries_;
};
