#include <gtest/gtest.h>

#include "search/modMain.h"

TEST(MatchModuleName, EndsWithAndContainsTests)
{
    const wchar_t* kernel = L"C:\\WINDOWS\\system32\\KERNEL32.DLL";
    const wchar_t* cyrillic = L"C:\\Программы\\Мой Инструмент\\МОДУЛЬ.DLL";
    struct Case {
        const wchar_t* path;
        const wchar_t* spec;
        bool partial, ignoreCase, matches;
    };
    const Case cases[] = {
        {kernel, L"KeRnEl32.DlL", false, true, true},
        {kernel, L"kernel32.dl", false, true, false},
        {kernel, L"kernel32.dll", false, false, false},  // case matters without ignoreCase
        {kernel, L"KERNEL32.DLL", false, false, true},
        {kernel, L"32.dll", false, true, true},  // no folder separator needed before the tail
        {L"C:\\WINDOWS\\system32\\user32.dll", L"32.DLL", false, true, true},
        {kernel, L"system32", false, true, false},  // a folder is no module's tail
        {kernel, L"system32", true, true, true},
        {kernel, L"SYSTEM32\\kernel", true, true, true},
        {kernel, L"c:\\windows", true, true, true},
        {kernel, L"system64", true, true, false},
        {L"a.dll", L"xa.dll", false, true, false},  // longer than the path
        {L"a.dll", L"xa.dll", true, true, false},
        {L"a.dll", L"A.DLL", false, true, true},
        {kernel, L"", false, true, true},  // the empty specification
        {L"", L"", false, true, true},
        {kernel, L"", true, true, true},
        {L"", L"", true, true, false},  // an empty path contains nothing
        {cyrillic, L"модуль.dll", false, true, true},
        {cyrillic, L"мой инструмент", true, true, true},
        {cyrillic, L"модуль.dll", false, false, false},
        {L"C:\\ё\\ÄÖÜ.dll", L"Ё\\äöü.DLL", false, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchModuleName(c.path, c.spec, c.partial, c.ignoreCase), c.matches)
            << c.path << " | " << c.spec << " | partial " << c.partial << " | ignoreCase " << c.ignoreCase;
    }
}
