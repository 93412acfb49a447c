#include "ToolHelpOperations.h"

#include "platform/win/ToolHelp.h"

UniqueSnapshotHandle qsCreateToolhelp32Snapshot(DWORD kind, DWORD processId)
{
    return Seam<ToolHelp>::Current().CreateSnapshot(kind, processId);
}

bool qsProcess32First(HANDLE snapshot, PROCESSENTRY32W& record)
{
    return Seam<ToolHelp>::Current().FirstProcess(snapshot, record);
}

bool qsProcess32Next(HANDLE snapshot, PROCESSENTRY32W& record)
{
    return Seam<ToolHelp>::Current().NextProcess(snapshot, record);
}

bool qsModule32First(HANDLE snapshot, MODULEENTRY32W& record)
{
    return Seam<ToolHelp>::Current().FirstModule(snapshot, record);
}

bool qsModule32Next(HANDLE snapshot, MODULEENTRY32W& record)
{
    return Seam<ToolHelp>::Current().NextModule(snapshot, record);
}
