#pragma once
// The results' columns, as the window's list shows them and the console program's table
// heads them: header and design width (twips).

struct ResultColumn {
    const wchar_t* header;
    int widthTwips;
};

inline constexpr ResultColumn kResultColumns[] = {
    {L"Имя процесса", 2445},
    {L"Версия модуля", 1590},
    {L"Полное имя файла модуля", 6400},
};
