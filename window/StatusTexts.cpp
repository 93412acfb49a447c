#include "StatusTexts.h"


std::wstring UnexaminedList(const std::vector<UnexaminedProcess>& processes)
{
    std::wstring text;
    for (const UnexaminedProcess& process : processes) {
        text += (process.programName.empty() ? L"(имя неизвестно)" : process.programName) + L" (" +
                std::to_wstring(process.processId) + L")";
        if (process.isProtected) text += L" — защищённый процесс";
        text += L"\r\n";
    }
    return text;
}
