#include "ActionTexts.h"

#include "platform/text/MessageLayout.h"

namespace action_texts {

std::wstring TerminateConfirmation()
{
    return L"Вы действительно хотите завершить все перечисленные программы? Все несохранённые данные могут быть "
           L"утеряны!";
}

std::wstring RelaunchConfirmation()
{
    return L"Вы действительно хотите перезапустить перечисленные программы? Если они не были завершены ранее, то они "
           L"будут запущены повтороно!";
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
