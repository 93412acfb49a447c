#include <gtest/gtest.h>

#include "search/modMain.h"

namespace {
const std::wstring kKernel = L"C:\\WINDOWS\\system32\\KERNEL32.DLL";
const std::wstring kUser = L"C:\\WINDOWS\\system32\\user32.dll";
}  // namespace

TEST(MatchModuleName, EndsWithIgnoresLetterCase)
{
    EXPECT_TRUE(MatchModuleName(kKernel, L"kernel32.dll", false, true));
    EXPECT_TRUE(MatchModuleName(kKernel, L"KeRnEl32.DlL", false, true));
    EXPECT_FALSE(MatchModuleName(kKernel, L"kernel32.dl", false, true));
    EXPECT_FALSE(MatchModuleName(kKernel, L"kernel32.dll", false, false)) << "case matters without ignoreCase";
    EXPECT_TRUE(MatchModuleName(kKernel, L"KERNEL32.DLL", false, false));
}

TEST(MatchModuleName, EndsWithNeedsNoFolderSeparatorBeforeTheTail)
{
    EXPECT_TRUE(MatchModuleName(kKernel, L"32.dll", false, true));
    EXPECT_TRUE(MatchModuleName(kUser, L"32.dll", false, true));
    EXPECT_TRUE(MatchModuleName(kUser, L"r32.DLL", false, true));
    EXPECT_FALSE(MatchModuleName(kUser, L"user32", false, true));
}

TEST(MatchModuleName, FolderNameMatchesOnlyWithTheContainsTest)
{
    EXPECT_FALSE(MatchModuleName(kKernel, L"system32", false, true));
    EXPECT_TRUE(MatchModuleName(kKernel, L"system32", true, true));
    EXPECT_TRUE(MatchModuleName(kKernel, L"SYSTEM32\\kernel", true, true));
    EXPECT_TRUE(MatchModuleName(kKernel, L"c:\\windows", true, true)) << "at the very start";
    EXPECT_TRUE(MatchModuleName(kKernel, L".dll", true, true)) << "at the very end";
    EXPECT_FALSE(MatchModuleName(kKernel, L"system64", true, true));
}

TEST(MatchModuleName, SpecificationLongerThanThePathNeverMatches)
{
    EXPECT_FALSE(MatchModuleName(L"a.dll", L"xa.dll", false, true));
    EXPECT_FALSE(MatchModuleName(L"a.dll", L"xa.dll", true, true));
    EXPECT_FALSE(MatchModuleName(L"", L"a", false, true));
    EXPECT_TRUE(MatchModuleName(L"a.dll", L"A.DLL", false, true)) << "same length";
}

TEST(MatchModuleName, EmptySpecification)
{
    EXPECT_TRUE(MatchModuleName(kKernel, L"", false, true));
    EXPECT_TRUE(MatchModuleName(L"", L"", false, true)) << "ends-with: even an empty path";
    EXPECT_TRUE(MatchModuleName(kKernel, L"", true, true));
    EXPECT_FALSE(MatchModuleName(L"", L"", true, true)) << "contains: an empty path contains nothing";
}

TEST(MatchModuleName, CyrillicLettersIgnoreCaseToo)
{
    const std::wstring path = L"C:\\Программы\\Мой Инструмент\\МОДУЛЬ.DLL";
    EXPECT_TRUE(MatchModuleName(path, L"модуль.dll", false, true));
    EXPECT_TRUE(MatchModuleName(path, L"мой инструмент", true, true));
    EXPECT_FALSE(MatchModuleName(path, L"модуль.dll", false, false));
    EXPECT_TRUE(MatchModuleName(L"C:\\ё\\ÄÖÜ.dll", L"Ё\\äöü.DLL", false, true));
}
