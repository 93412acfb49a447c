#include <windows.h>

#include <gtest/gtest.h>

#include "platform/support/CodePages.h"

TEST(CodePages, TextInACodePageOrNothingWhenItLacksACharacter)
{
    EXPECT_EQ(EncodeForCodePage(L"Мой инструмент", 866), "\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2");
    EXPECT_EQ(EncodeForCodePage(L"Мой", 1251), "\xCC\xEE\xE9");
    EXPECT_EQ(EncodeForCodePage(L"C:\\工具\\t.exe", 866), std::nullopt);
    EXPECT_EQ(EncodeForCodePage(L"caf\u00E9", 437), "caf\x82");
    EXPECT_EQ(EncodeForCodePage(L"\u0101", 437), std::nullopt) << "no look-alike: ā is not a";
    EXPECT_EQ(EncodeForCodePage(L"", 866), "");
}

TEST(CodePages, ASystemOnUtf8WritesEveryPathButOneWithALoneSurrogate)
{
    EXPECT_EQ(EncodeForCodePage(L"C:\\工具\\Мой.exe", CP_UTF8),
              "C:\\\xE5\xB7\xA5\xE5\x85\xB7\\\xD0\x9C\xD0\xBE\xD0\xB9.exe");
    EXPECT_EQ(EncodeForCodePage(L"C:\\\xD83D.exe", CP_UTF8), std::nullopt) << "no silent U+FFFD";
}
