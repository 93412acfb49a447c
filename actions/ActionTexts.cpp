#include "ActionTexts.h"

namespace action_texts {

std::wstring KillConfirmation()
{
    return std::wstring(L"Вы действительно хотите завершить все перечисленные ") +
           L"программы? Все несохранённые данные могут быть утеряны!";
}

std::wstring LaunchConfirmation()
{
    return std::wstring(L"Вы действительно хотите перезапустить перечисленные ") +
           L"программы? Если они не были завершены ранее, то они " + L"будут запущены повтороно!";
}

std::wstring AboutFile(std::wstring_view path, std::wstring_view sentence)
{
    std::wstring text(path);
    text.append(L"\r\n\r\n").append(sentence);
    return text;
}

std::wstring KillFailure(std::wstring_view programPath, std::wstring_view idText)
{
    std::wstring sentence = std::wstring(L"Не удаётся завершить процесс с ") + L"идентификатором";
    sentence.append(idText).append(L".");
    return AboutFile(programPath, sentence);
}

std::wstring LaunchFailure(std::wstring_view programPath)
{
    return AboutFile(programPath, L"Не удаётся запустить программу.");
}

std::wstring SaveFailure(std::wstring_view batchFile)
{
    return AboutFile(batchFile, L"Не удаётся сохранить пакетный файл.");
}

std::wstring SaveSuccess(std::wstring_view batchFile)
{
    return AboutFile(batchFile, L"Пакетный файл сохранён успешно.");
}

std::wstring UnrepresentablePath(std::wstring_view programPath, unsigned codePage)
{
    return std::wstring(L"Путь программы нельзя записать в кодовой странице ") + std::to_wstring(codePage) +
           L", а короткого имени у него нет: " + std::wstring(programPath);
}

}  // namespace action_texts
