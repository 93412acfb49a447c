#include "ModuleVersionTexts.h"

#include "platform/text/TextOperations.h"

std::wstring VersionText(const std::optional<FileVersion>& version)
{
    if (!version) return L"---";
    if (version->build != 0) {
        return FormatVersion(version->major, version->minor, version->build, version->revision);
    }
    return FormatVersion(version->major, version->minor, version->revision);
}

const std::wstring& ModuleVersionTexts::For(const std::wstring& modulePath)
{
    auto found = texts_.find(modulePath);
    // The version functions go through the loader, which refuses long plain paths.
    if (found == texts_.end()) {
        found = texts_.emplace(modulePath, VersionText(reader_(ExtendedLengthPath(modulePath)))).first;
    }
    return found->second;
}
