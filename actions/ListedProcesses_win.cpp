#include "ListedProcesses.h"

#include <windows.h>

#include "platform/processes/OwnProcess.h"

std::vector<ListedProcess> ListedProcessesToActOn(const ResultsList& rows)
{
    return ListedProcessesOtherThan(rows, static_cast<std::int32_t>(GetCurrentProcessId()), OwnProgramPath());
}
