#include "modEnumProcesses9x.h"

#include "platform/component/ErrorReporter.h"
#include "platform/support/FileNameOperations.h"
#include "platform/support/ProcessOperations.h"
#include "platform/support/TextOperations.h"
#include "platform/support/ToolHelpOperations.h"

void EnumProcesses9x(const SearchRequest& search)
{
    const UniqueSnapshotHandle snapshot = qsCreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (!snapshot) {
        const unsigned long error = qsGetLastDLLError();
        ProgramErrorReporter().ReportSystemError(error, MB_ICONSTOP, L"Can't create Tool Help process snapshot.");
        return;
    }
    PROCESSENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = qsProcess32First(snapshot.get(), record); more; more = qsProcess32Next(snapshot.get(), record)) {
        ScanModules9x(search, record.th32ProcessID, qsGetStringFromPointer(record.szExeFile, std::size(record.szExeFile)));
    }
}

void ScanModules9x(const SearchRequest& search, DWORD processId, const std::wstring& exePath)
{
    // A module snapshot of process 0 would be this process's own: the idle process
    // has no modules of its own to list.
    if (processId == 0) return;
    // SNAPMODULE32 too: a 64-bit program sees the own modules of 32-bit processes.
    const UniqueSnapshotHandle snapshot = qsCreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
    if (!snapshot) return;
    const std::wstring program = qsGetFullFileName(exePath);
    MODULEENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = qsModule32First(snapshot.get(), record); more; more = qsModule32Next(snapshot.get(), record)) {
        const std::wstring modulePath =
            qsGetFullFileName(qsGetStringFromPointer(record.szExePath, std::size(record.szExePath)));
        if (MatchModuleName(modulePath, search.spec, search.partial, true)) {
            AddModuleHit(search.list, search.versions, static_cast<std::int32_t>(processId), program, modulePath);
        }
    }
}
