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

std::unordered_map<HMODULE, std::wstring> SnapshotModulePaths(DWORD processId)
{
    ToolHelp& toolHelp = Seam<ToolHelp>::Current();
    std::unordered_map<HMODULE, std::wstring> paths;
    const UniqueSnapshotHandle snapshot = toolHelp.CreateSnapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
    if (!snapshot) return paths;
    MODULEENTRY32W record{};
    record.dwSize = sizeof record;
    for (bool more = toolHelp.FirstModule(snapshot.get(), record); more;
         more = toolHelp.NextModule(snapshot.get(), record)) {
        std::wstring path = StringFromBuffer(record.szExePath, std::size(record.szExePath));
        if (path.size() < std::size(record.szExePath) - 1) paths.emplace(record.hModule, std::move(path));
    }
    return paths;
}
