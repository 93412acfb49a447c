#include <gtest/gtest.h>

#include <tuple>

#include "search/modMain.h"

TEST(MatchModuleName, EndsWithAndContainsTests)
{
    const wchar_t* kernel = L"C:\\WINDOWS\\system32\\KERNEL32.DLL";
    const wchar_t* cyrillic = L"C:\\Программы\\Мой Инструмент\\МОДУЛЬ.DLL";
    // path, specification, partial (the contains test), ignoreCase, whether it matches
    const std::tuple<const wchar_t*, const wchar_t*, bool, bool, bool> cases[] = {
        {kernel, L"KeRnEl32.DlL", false, true, true},
        {kernel, L"kernel32.dll", false, false, false},  // case matters without ignoreCase
        {kernel, L"KERNEL32.DLL", false, false, true},
        {kernel, L"32.dll", false, true, true},  // no folder separator needed before the tail
        {kernel, L"SYSTEM32\\kernel", true, true, true},
        {L"", L"", false, true, true},
        {kernel, L"", true, true, true},
        {L"", L"", true, true, false},  // an empty path contains nothing
        {cyrillic, L"модуль.dll", false, true, true},
        {cyrillic, L"мой инструмент", true, true, true},
        {cyrillic, L"модуль.dll", false, false, false},
        {L"C:\\ё\\ÄÖÜ.dll", L"Ё\\äöü.DLL", false, true, true},
    };
    for (const auto& [path, spec, partial, ignoreCase, matches] : cases) {
        EXPECT_EQ(MatchModuleName(path, spec, partial, ignoreCase), matches) << path << " | " << spec << " | " << partial;
    }
}
