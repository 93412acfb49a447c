#include <gtest/gtest.h>

#include "platform/support/TextOperations.h"
#include "platform/tray/TooltipFit.h"
#include "window/CommandLine.h"

TEST(CommandLine, TheTextAfterTheProgramsName)
{
    EXPECT_EQ(CommandLineArguments(L"vennick.exe kernel32.dll"), L"kernel32.dll");
    EXPECT_EQ(CommandLineArguments(L"\"C:\\My Tools\\vennick.exe\" kernel32.dll"), L"kernel32.dll");
    EXPECT_EQ(CommandLineArguments(L"\"C:\\My Tools\\vennick.exe\"kernel32.dll"), L"kernel32.dll");
    EXPECT_EQ(CommandLineArguments(L"vennick.exe \t  my module.dll  "), L"my module.dll  ") << "taken whole";
    EXPECT_EQ(CommandLineArguments(L"vennick.exe \"a b\" c"), L"\"a b\" c");
}

TEST(CommandLine, NoTextAfterTheName)
{
    EXPECT_EQ(CommandLineArguments(L"\"C:\\My Tools\\vennick.exe\""), L"");
    EXPECT_EQ(CommandLineArguments(L"\"C:\\My Tools\\vennick.exe\" "), L"") << "as the shell starts programs";
    EXPECT_EQ(CommandLineArguments(L"vennick.exe"), L"");
    EXPECT_EQ(CommandLineArguments(L""), L"");
    EXPECT_EQ(CommandLineArguments(L"\"C:\\unterminated"), L"");
}

TEST(CommandLine, TrimmingRemovesWhatSurroundsTheSpecification)
{
    EXPECT_EQ(qsTrimEx2(L"  kernel32.dll \t "), L"kernel32.dll");
    EXPECT_EQ(qsTrimEx2(L"\tuser 32.dll\r\n"), L"user 32.dll") << "inner blanks stay";
    EXPECT_EQ(qsTrimEx2(L" \" spaced.dll \" "), L"spaced.dll");
    EXPECT_EQ(qsTrimEx2(L"\"C:\\My Folder\\x.dll\""), L"C:\\My Folder\\x.dll");
    EXPECT_EQ(qsTrimEx2(L"\"a\" \"b\""), L"\"a\" \"b\"") << "two pairs: neither encloses the whole";
    EXPECT_EQ(qsTrimEx2(L"\"\"x\"\""), L"\"\"x\"\"") << "the first pair closes at once";
    EXPECT_EQ(qsTrimEx2(L"\"unbalanced.dll"), L"\"unbalanced.dll");
    EXPECT_EQ(qsTrimEx2(L"   "), L"");
    EXPECT_EQ(qsTrimEx2(L"\"  \""), L"");
    EXPECT_EQ(qsTrimEx2(L"\""), L"\"");
    EXPECT_EQ(qsTrimEx2(std::wstring(L"a\0", 2)), L"a");
}

TEST(TrayTooltip, CaptionAloneOrWithTheSpecification)
{
    EXPECT_EQ(TrayTooltip(L"Vennick", L""), L"Vennick");
    EXPECT_EQ(TrayTooltip(L"Vennick", L"kernel32.dll"), L"Vennick :: kernel32.dll");
    EXPECT_EQ(TrayTooltip(L"Vennick", L" "), L"Vennick ::  ");
}

TEST(TrayTooltip, ALongTextIsCutToFitWithAnEllipsis)
{
    EXPECT_EQ(FitToCapacity(L"Vennick", 128), L"Vennick");
    const std::wstring exact(127, L'x');
    EXPECT_EQ(FitToCapacity(exact, 128), exact) << "127 characters and the NUL fit";
    const std::wstring cut = FitToCapacity(std::wstring(500, L'y'), 128);
    EXPECT_EQ(cut.size(), 127u);
    EXPECT_EQ(cut.back(), L'\u2026');
    EXPECT_EQ(cut.substr(0, 126), std::wstring(126, L'y'));

    std::wstring surrogates(125, L'z');
    surrogates += L"\xD83D\xDE00\xD83D\xDE00";  // two characters outside the basic plane
    const std::wstring kept = FitToCapacity(surrogates, 128);
    EXPECT_EQ(kept, std::wstring(125, L'z') + L'\u2026') << "no half of a pair";
    EXPECT_EQ(FitToCapacity(L"abc", 1), L"");
    EXPECT_EQ(FitToCapacity(L"abc", 0), L"");
}
