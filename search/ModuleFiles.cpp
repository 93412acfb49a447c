#include "ModuleFiles.h"

#include <unordered_set>

#include "platform/Parallel.h"
#include "platform/text/TextOperations.h"

std::wstring VersionText(const std::optional<FileVersion>& version)
{
    if (!version) return L"---";
    if (version->build != 0) {
        return FormatVersion(version->major, version->minor, version->build, version->revision);
    }
    return FormatVersion(version->major, version->minor, version->revision);
}

const ModuleFile& ModuleFiles::At(const std::wstring& path)
{
    Entry* entry = nullptr;
    {
        const std::lock_guard<std::mutex> lock(lock_);
        std::unique_ptr<Entry>& slot = entries_[path];
        if (!slot) slot = std::make_unique<Entry>();
        entry = slot.get();
    }
    // Other paths are read meanwhile; a second asker of this one waits for the first.
    // The file functions go through the loader, which refuses long plain paths.
    std::call_once(entry->read, [&] { entry->file = reader_(ExtendedLengthPath(path)); });
    return entry->file;
}

void ModuleFiles::ReadAll(const std::vector<std::wstring>& paths, unsigned workers)
{
    // Distinct paths, so that no thread waits for another's read of the same file.
    std::vector<const std::wstring*> distinct;
    std::unordered_set<std::wstring> seen;
    for (const std::wstring& path : paths) {
        if (seen.insert(path).second) distinct.push_back(&path);
    }
    ForEachIndexInParallel(distinct.size(), workers, [&](std::size_t index) { At(*distinct[index]); });
}
