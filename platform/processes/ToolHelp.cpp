#include "ToolHelp.h"

namespace {

class SystemToolHelp final : public ToolHelp {
public:
    UniqueSnapshotHandle CreateSnapshot(DWORD kind, DWORD processId) override
    {
        return UniqueSnapshotHandle(CreateToolhelp32Snapshot(kind, processId));
    }
    bool FirstProcess(HANDLE snapshot, PROCESSENTRY32W& record) override
    {
        return Process32FirstW(snapshot, &record) != FALSE;
    }
    bool NextProcess(HANDLE snapshot, PROCESSENTRY32W& record) override
    {
        return Process32NextW(snapshot, &record) != FALSE;
    }
    bool FirstModule(HANDLE snapshot, MODULEENTRY32W& record) override
    {
        return Module32FirstW(snapshot, &record) != FALSE;
    }
    bool NextModule(HANDLE snapshot, MODULEENTRY32W& record) override
    {
        return Module32NextW(snapshot, &record) != FALSE;
    }
};

}  // namespace

template <>
ToolHelp& Seam<ToolHelp>::Default()
{
    static SystemToolHelp toolHelp;
    return toolHelp;
}
