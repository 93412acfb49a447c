#include "FileWriteTexts.h"

std::wstring FilesLeftByReplace(std::wstring_view newText, std::wstring_view oldFile)
{
    std::wstring text = L"Новый текст остался в файле " + std::wstring(newText);
    if (!oldFile.empty()) text.append(L"\r\nПрежний файл теперь лежит в файле ").append(oldFile);
    return text;
}
