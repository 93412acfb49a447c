#include <gtest/gtest.h>

#include <tuple>

#include "search/ModuleMatch.h"

TEST(ModulePathMatches, EndsWithOrContainsTheSpecificationIgnoringCaseWhenAsked)
{
    const wchar_t* kernel = L"C:\\WINDOWS\\system32\\KERNEL32.DLL";
    const wchar_t* cyrillic = L"C:\\Программы\\Мой Инструмент\\МОДУЛЬ.DLL";
    // path, specification, match mode, ignoreCase, whether it matches
    const std::tuple<const wchar_t*, const wchar_t*, MatchMode, bool, bool> cases[] = {
        {kernel, L"KeRnEl32.DlL", MatchMode::EndsWith, true, true},
        {kernel, L"kernel32.dll", MatchMode::EndsWith, false, false},  // case matters without ignoreCase
        {kernel, L"KERNEL32.DLL", MatchMode::EndsWith, false, true},
        {kernel, L"32.dll", MatchMode::EndsWith, true, true},  // no folder separator needed before the tail
        {kernel, L"SYSTEM32\\kernel", MatchMode::Contains, true, true},
        {L"", L"", MatchMode::EndsWith, true, true},
        {kernel, L"", MatchMode::Contains, true, true},
        {L"", L"", MatchMode::Contains, true, false},  // an empty path contains nothing
        {cyrillic, L"модуль.dll", MatchMode::EndsWith, true, true},
        {cyrillic, L"мой инструмент", MatchMode::Contains, true, true},
        {cyrillic, L"модуль.dll", MatchMode::EndsWith, false, false},
        {L"C:\\ё\\ÄÖÜ.dll", L"Ё\\äöü.DLL", MatchMode::EndsWith, true, true},
    };
    for (const auto& [path, spec, mode, ignoreCase, matches] : cases) {
        EXPECT_EQ(ModulePathMatches(path, spec, mode, ignoreCase), matches)
            << path << " | " << spec << " | " << (mode == MatchMode::Contains ? "contains" : "ends with");
    }
}
