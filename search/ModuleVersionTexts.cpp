#include "ModuleVersionTexts.h"

#include "platform/support/TextOperations.h"

std::wstring VersionText(const std::optional<ModuleVersion>& version)
{
    if (!version) return L"---";
    if (version->build != 0) {
        return qsFormatVersionLong(version->major, version->minor, version->build, version->revision);
    }
    return qsFormatVersion(version->major, version->minor, version->revision);
}

const std::wstring& ModuleVersionTexts::For(const std::wstring& modulePath)
{
    auto found = texts_.find(modulePath);
    if (found == texts_.end()) found = texts_.emplace(modulePath, VersionText(reader_(modulePath))).first;
    return found->second;
}
