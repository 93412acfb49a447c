#include <optional>

#include "platform/component/FileVersionInfo.h"
#include "platform/support/HostEnvironment.h"
#include "platform/support/ProcessOperations.h"
#include "modEnumProcesses9x.h"
#include "modEnumProcessesNT.h"
#include "modMain.h"

namespace {

std::optional<ModuleVersion> ReadModuleVersion(const std::wstring& path)
{
    FileVersionInfo info;
    if (!info.ReadVersion(path)) return std::nullopt;
    return ModuleVersion{info.Major(), info.Minor(), info.Build(), info.Revision()};
}

}  // namespace

void SearchModule(ResultsList& list, const std::wstring& spec, bool partial)
{
    qsEnableDebugPrivilege(true);
    ModuleVersionTexts versions(ReadModuleVersion);
    const SearchRequest search{list, versions, spec, partial};
    if (qsIsHostWin9x()) {
        EnumProcesses9x(search);
    } else {
        EnumProcessesNT(search);
    }
}
