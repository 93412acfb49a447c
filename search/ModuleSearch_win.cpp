#include "ModuleSearch.h"

#include "NtProcessWalk.h"
#include "Win9xProcessWalk.h"
#include "platform/HostEnvironment.h"
#include "platform/Parallel.h"
#include "ModuleFiles_win.h"
#include "platform/files/FileNames.h"
#include "platform/processes/OwnProcess.h"

SearchOutcome SearchModule(ResultsList& rows, const std::wstring& specification, MatchMode mode, unsigned workers)
{
    EnableDebugPrivilege(true);
    ModuleFiles files(ReadModuleFile);
    const SearchRun run{rows, files, ModuleSpecification(specification, mode, true),
                        workers != 0 ? workers : WorkersForWaitingReads(), {SystemFolder(), Wow64SystemFolder()}};
    if (IsWindows9xFamily()) return {{}, WalkWin9xProcesses(run)};
    return WalkNtProcesses(run);
}
