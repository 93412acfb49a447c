#include "ModuleSearch.h"

#include "NtProcessWalk.h"
#include "Win9xProcessWalk.h"
#include "platform/HostEnvironment.h"
#include "platform/Parallel.h"
#include "platform/files/FileVersion.h"
#include "platform/processes/OwnProcess.h"

SearchOutcome SearchModule(ResultsList& rows, const std::wstring& specification, MatchMode mode, unsigned workers)
{
    EnableDebugPrivilege(true);
    ModuleVersionTexts versions(ReadFileVersion);
    const SearchRun run{rows, versions, ModuleSpecification(specification, mode, true),
                        workers != 0 ? workers : WorkersForWaitingReads()};
    if (IsWindows9xFamily()) return {{}, WalkWin9xProcesses(run)};
    return WalkNtProcesses(run);
}
