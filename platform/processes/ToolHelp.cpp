#include "ToolHelp.h"

#include "platform/text/TextOperations.h"

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

std::optional<std::vector<SnapshotProcess>> ProcessesInSnapshot()
{
    ToolHelp& toolHelp = Seam<ToolHelp>::Current();
    const UniqueSnapshotHandle snapshot = toolHelp.CreateSnapshot(TH32CS_SNAPPROCESS, 0);
    if (!snapshot) return std::nullopt;
    std::vector<SnapshotProcess> processes;
    PROCESSENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = toolHelp.FirstProcess(snapshot.get(), record); more;
         more = toolHelp.NextProcess(snapshot.get(), record)) {
        processes.push_back({record.th32ProcessID, record.th32ParentProcessID,
                             StringFromBuffer(record.szExeFile, std::size(record.szExeFile))});
    }
    return processes;
}
