#include "ActionTexts.h"

#include "platform/text/MessageLayout.h"
#include "search/ServiceHost.h"

namespace action_texts {

namespace {

std::wstring WithServices(std::wstring text, const wchar_t* lead, const std::vector<std::wstring>& services)
{
    return services.empty() ? text : MessageParagraphs(text, lead + JoinedServiceNames(services) + L".");
}

}  // namespace

std::wstring TerminateConfirmation(const std::vector<std::wstring>& services)
{
    return WithServices(L"Вы действительно хотите завершить все перечисленные программы? Все несохранённые данные "
                        L"могут быть утеряны!",
                        L"Будут остановлены службы: ", services);
}

std::wstring RelaunchConfirmation(const std::vector<std::wstring>& services)
{
    return WithServices(L"Вы действительно хотите перезапустить перечисленные программы? Если они не были завершены "
                        L"ранее, то они будут запущены повтороно!",
                        L"Будут запущены службы: ", services);
}

std::wstring ServiceNotStopped(std::wstring_view programPath, std::wstring_view service)
{
    return MessageParagraphs(programPath, L"Не удаётся остановить службу «" + std::wstring(service) + L"».");
}

std::wstring ServiceNotStarted(std::wstring_view programPath, std::wstring_view service)
{
    return MessageParagraphs(programPath, L"Не удаётся запустить службу «" + std::wstring(service) + L"».");
}

std::wstring HostServicesNotStopped(std::wstring_view programPath)
{
    return MessageParagraphs(programPath, L"Не удаётся остановить службы этого процесса.");
}

std::wstring NotStartedElsewhere(const std::vector<std::pair<std::wstring, std::uint32_t>>& programs)
{
    std::wstring list;
    for (const auto& [path, id] : programs) {
        list.append(list.empty() ? L"" : L"\r\n").append(path + L" (" + std::to_wstring(id) + L")");
    }
    return MessageParagraphs(
        L"Эти программы работали в другом сеансе или от имени другого пользователя, поэтому не запущены:", list);
}

std::wstring StartWithFullRightsQuestion()
{
    return L"Оболочка рабочего стола не отвечает, и запустить программы с обычными правами пользователя нельзя. "
           L"Запустить их с правами администратора?";
}

std::wstring HostServicesNotStarted(std::wstring_view programPath)
{
    return MessageParagraphs(programPath, L"Не удаётся запустить службы этого процесса.");
}

std::wstring TerminateFailure(std::wstring_view programPath, std::wstring_view idText)
{
    return MessageParagraphs(programPath,
                             std::wstring(L"Не удаётся завершить процесс с идентификатором").append(idText) + L".");
}

namespace {

std::wstring NotTerminated(std::wstring_view programPath, std::wstring_view idText, std::wstring_view why)
{
    return MessageParagraphs(programPath, std::wstring(L"Процесс с идентификатором").append(idText) +
                                              L" не завершён: " + std::wstring(why));
}

}  // namespace

std::wstring TerminateUnidentified(std::wstring_view programPath, std::wstring_view idText)
{
    return NotTerminated(programPath, idText, L"не удаётся определить, тот ли это процесс, который был найден.");
}

std::wstring TerminateCritical(std::wstring_view programPath, std::wstring_view idText)
{
    return NotTerminated(programPath, idText, L"это критический процесс Windows.");
}

std::wstring RelaunchFailure(std::wstring_view programPath)
{
    return MessageParagraphs(programPath, L"Не удаётся запустить программу.");
}

std::wstring SaveFailure(std::wstring_view batchFile)
{
    return MessageParagraphs(batchFile, L"Не удаётся сохранить пакетный файл.");
}

std::wstring SaveSuccess(std::wstring_view batchFile)
{
    return MessageParagraphs(batchFile, L"Пакетный файл сохранён успешно.");
}

std::wstring UnrepresentablePath(std::wstring_view programPath, unsigned codePage)
{
    return L"Путь программы нельзя записать в кодовой странице " + std::to_wstring(codePage) +
           L", а короткого имени у него нет: " + std::wstring(programPath);
}

}  // namespace action_texts
