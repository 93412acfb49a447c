#include "ModuleVersionTexts.h"

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

// The version functions go through the loader, which refuses long plain paths.
std::wstring ModuleVersionTexts::Read(const std::wstring& modulePath) const
{
    return VersionText(reader_(ExtendedLengthPath(modulePath)));
}

const std::wstring& ModuleVersionTexts::For(const std::wstring& modulePath)
{
    auto found = texts_.find(modulePath);
    if (found == texts_.end()) found = texts_.emplace(modulePath, Read(modulePath)).first;
    return found->second;
}

void ModuleVersionTexts::ReadAll(const std::vector<std::wstring>& modulePaths, unsigned workers)
{
    std::vector<std::wstring> unread;
    std::unordered_set<std::wstring> seen;
    for (const std::wstring& path : modulePaths) {
        if (!texts_.count(path) && seen.insert(path).second) unread.push_back(path);
    }
    std::vector<std::wstring> texts(unread.size());
    ForEachIndexInParallel(unread.size(), workers, [&](std::size_t index) { texts[index] = Read(unread[index]); });
    for (std::size_t index = 0; index < unread.size(); ++index) texts_.emplace(unread[index], std::move(texts[index]));
}
