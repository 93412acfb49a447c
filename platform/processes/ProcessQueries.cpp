#include "ProcessQueries.h"

#include <psapi.h>

#include <algorithm>

#include "platform/SystemFunction.h"
#include "platform/text/TextOperations.h"

namespace {

class SystemProcessQueries final : public ProcessQueries {
public:
    bool ListProcesses(DWORD* ids, DWORD bytes, DWORD* bytesWritten) override
    {
        return EnumProcesses(ids, bytes, bytesWritten) != FALSE;
    }
    UniqueHandle OpenProcess(DWORD access, DWORD processId) override
    {
        return UniqueHandle(::OpenProcess(access, FALSE, processId));
    }
    bool ListModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytesNeeded) override
    {
        // LIST_MODULES_ALL: a 64-bit caller sees the own modules of 32-bit processes too.
        return EnumProcessModulesEx(process, modules, bytes, bytesNeeded, LIST_MODULES_ALL) != FALSE;
    }
    DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD capacity) override
    {
        return GetModuleFileNameExW(process, module, buffer, capacity);
    }
    bool ImageName(HANDLE process, wchar_t* buffer, DWORD* size) override
    {
        return QueryFullProcessImageNameW(process, 0, buffer, size) != FALSE;
    }
    bool StartTime(HANDLE process, std::uint64_t* time) override
    {
        FILETIME created{}, exited{}, kernel{}, user{};
        if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return false;
        *time = (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
        return true;
    }
    bool HasEnvironmentBlock(HANDLE process, bool* present) override
    {
        struct BasicInformation {  // PROCESS_BASIC_INFORMATION
            LONG exitStatus;
            void* environmentBlock;
            ULONG_PTR affinityMask, basePriority, processId, parentProcessId;
        } information{};
        constexpr int kProcessBasicInformation = 0;
        if (!QueryProcessInformation(process, kProcessBasicInformation, &information, sizeof information)) return false;
        *present = information.environmentBlock != nullptr;
        return true;
    }
    bool IsProtected(HANDLE process, bool* isProtected) override
    {
        // GetProcessInformation's ProcessProtectionLevelInfo comes with Windows 8.1.
        using GetInformationFn = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);
        static const auto get = SystemFunction<GetInformationFn>(L"kernel32.dll", "GetProcessInformation");
        constexpr int kProcessProtectionLevelInfo = 7;
        constexpr DWORD kProtectionLevelNone = 0xFFFFFFFE;
        DWORD level = kProtectionLevelNone;
        if (get == nullptr || !get(process, kProcessProtectionLevelInfo, &level, sizeof level)) return false;
        *isProtected = level != kProtectionLevelNone;
        return true;
    }
    bool ReadMemory(HANDLE process, std::uint64_t address, void* out, std::size_t size, std::size_t* read) override
    {
        SIZE_T done = 0;
        const BOOL whole = ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)),
                                             out, size, &done);
        *read = done;
        return whole != FALSE;
    }
    bool SessionOf(DWORD processId, DWORD* sessionId) override { return ProcessIdToSessionId(processId, sessionId) != FALSE; }
    std::vector<std::uint8_t> TokenUser(HANDLE process) override
    {
        HANDLE rawToken = nullptr;
        if (!OpenProcessToken(process, TOKEN_QUERY, &rawToken)) return {};
        const UniqueHandle token(rawToken);
        DWORD size = 0;
        GetTokenInformation(token.get(), ::TokenUser, nullptr, 0, &size);
        std::vector<std::uint8_t> buffer(size);
        if (size == 0 || !GetTokenInformation(token.get(), ::TokenUser, buffer.data(), size, &size)) return {};
        const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
        if (!IsValidSid(sid)) return {};
        const auto* bytes = static_cast<const std::uint8_t*>(sid);
        return std::vector<std::uint8_t>(bytes, bytes + GetLengthSid(sid));
    }
    std::wstring ApplicationUserModelId(HANDLE process) override
    {
        // Windows 8 and later; Wine has it not: looked up at run time. Its length counts the NUL.
        using GetIdFn = LONG(WINAPI*)(HANDLE, UINT32*, PWSTR);
        static const auto get = SystemFunction<GetIdFn>(L"kernel32.dll", "GetApplicationUserModelId");
        constexpr UINT32 kLongestId = 130;  // APPLICATION_USER_MODEL_ID_MAX_LENGTH
        wchar_t id[kLongestId] = {};
        UINT32 length = kLongestId;
        if (get == nullptr || get(process, &length, id) != ERROR_SUCCESS) return {};
        return StringFromBuffer(id, kLongestId);
    }
};

// The first sizes of the buffers; most machines never need more. A terminal server with
// many users runs thousands of processes, and a module's path may be long.
constexpr std::size_t kFirstProcessCapacity = 1024;
constexpr std::size_t kMostProcesses = 1 << 22;
constexpr std::size_t kFirstModuleCapacity = 2048;
// A process that keeps changing its module list between two calls this often is left alone.
constexpr int kModuleListAttempts = 8;
constexpr DWORD kFirstPathCapacity = 1024;
// The longest path Windows handles at all.
constexpr DWORD kLongestPath = 32'767;

template <class T>
DWORD BytesOf(const std::vector<T>& buffer)
{
    return static_cast<DWORD>(buffer.size() * sizeof(T));
}

}  // namespace

template <>
ProcessQueries& Seam<ProcessQueries>::Default()
{
    static SystemProcessQueries api;
    return api;
}

std::optional<std::vector<DWORD>> RunningProcessIds(ProcessQueries& api)
{
    for (std::size_t capacity = kFirstProcessCapacity; capacity <= kMostProcesses; capacity *= 2) {
        std::vector<DWORD> ids(capacity);
        DWORD written = 0;
        if (!api.ListProcesses(ids.data(), BytesOf(ids), &written)) return std::nullopt;
        // A full buffer may have cut the list: only a list with room to spare is whole.
        if (written < BytesOf(ids)) {
            ids.resize(written / sizeof(DWORD));
            return ids;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<HMODULE>> ModuleHandlesOf(ProcessQueries& api, HANDLE process)
{
    std::vector<HMODULE> handles(kFirstModuleCapacity);
    for (int attempt = 0; attempt < kModuleListAttempts; ++attempt) {
        DWORD needed = 0;
        if (!api.ListModules(process, handles.data(), BytesOf(handles), &needed)) return std::nullopt;
        if (needed <= BytesOf(handles)) {
            handles.resize(needed / sizeof(HMODULE));
            return handles;
        }
        // The process may load more modules before the next call: that asks again.
        handles.resize((needed + sizeof(HMODULE) - 1) / sizeof(HMODULE));
    }
    return std::nullopt;
}

std::wstring ModulePathOf(ProcessQueries& api, HANDLE process, HMODULE module)
{
    for (DWORD capacity = kFirstPathCapacity;; capacity *= 2) {
        std::vector<wchar_t> buffer(capacity + 1, L'\0');
        const DWORD length = api.ModuleFileName(process, module, buffer.data(), capacity);
        // A path that fills the buffer may have been cut.
        if (length + 1 < capacity || capacity > kLongestPath) {
            return StringFromBuffer(buffer.data(), buffer.size());
        }
    }
}

std::optional<std::wstring> ProgramPathOf(ProcessQueries& api, HANDLE process)
{
    for (DWORD capacity = kFirstPathCapacity; capacity <= 2 * kLongestPath; capacity *= 2) {
        std::wstring buffer(capacity, L'\0');
        DWORD size = capacity;
        if (api.ImageName(process, buffer.data(), &size)) return buffer.substr(0, size);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> StartTimeOf(ProcessQueries& api, HANDLE process)
{
    std::uint64_t time = 0;
    if (!api.StartTime(process, &time)) return std::nullopt;
    return time;
}

bool RunningProcesses::MayRun(DWORD processId)
{
    if (!ids_) ids_ = RunningProcessIds(api_);
    return !*ids_ || std::find((*ids_)->begin(), (*ids_)->end(), processId) != (*ids_)->end();
}
