#include "ProcessControl.h"

#include "platform/SystemFunction.h"

namespace {

// IsProcessCritical comes with Windows 8.1; before it, the break-on-termination flag is
// read directly.
using IsProcessCriticalFn = BOOL(WINAPI*)(HANDLE, PBOOL);
IsProcessCriticalFn IsProcessCriticalFunction()
{
    static const auto isProcessCritical = SystemFunction<IsProcessCriticalFn>(L"kernel32.dll", "IsProcessCritical");
    return isProcessCritical;
}

class SystemProcessControl final : public ProcessControl {
public:
    bool IsCritical(HANDLE process) override
    {
        BOOL critical = FALSE;
        if (const auto isProcessCritical = IsProcessCriticalFunction()) {
            if (isProcessCritical(process, &critical)) return critical != FALSE;
        }

        constexpr int kProcessBreakOnTermination = 29;
        ULONG breakOnTermination = 0;
        return QueryProcessInformation(process, kProcessBreakOnTermination, &breakOnTermination,
                                       sizeof breakOnTermination) &&
               breakOnTermination != 0;
    }
    DWORD CriticalCheckAccess() override
    {
        return IsProcessCriticalFunction() != nullptr ? PROCESS_QUERY_LIMITED_INFORMATION : PROCESS_QUERY_INFORMATION;
    }
    bool Terminate(HANDLE process) override { return TerminateProcess(process, 1) != FALSE; }
    bool HasEnded(HANDLE process) override { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }
    DWORD WaitForEndOrMessages(const HANDLE* processes, DWORD count, DWORD milliseconds) override
    {
        return MsgWaitForMultipleObjects(count, processes, FALSE, milliseconds,
                                         QS_PAINT | QS_SENDMESSAGE | QS_MOUSEMOVE);
    }
};

}  // namespace

template <>
ProcessControl& Seam<ProcessControl>::Default()
{
    static SystemProcessControl control;
    return control;
}
