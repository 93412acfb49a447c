#include <gtest/gtest.h>

#include "platform/text/TextOperations.h"
#include "platform/tray/TrayTooltip.h"
#include "window/CommandLine.h"

#include <tuple>

TEST(CommandLine, TheTextAfterTheProgramsNameTrimmed)
{
    const std::pair<const wchar_t*, const wchar_t*> arguments[] = {
        {L"\"C:\\My Tools\\vennick.exe\"kernel32.dll", L"kernel32.dll"},
        {L"vennick.exe \t  my module.dll  ", L"my module.dll  "},  // taken whole
        {L"\"C:\\My Tools\\vennick.exe\" ", L""},  // as the shell starts programs
        {L"vennick.exe", L""},
        {L"\"C:\\unterminated", L""},
    };
    for (const auto& [commandLine, text] : arguments) EXPECT_EQ(CommandLineArguments(commandLine), text) << commandLine;

    const std::pair<std::wstring, const wchar_t*> trimmed[] = {
        {L"\tuser 32.dll\r\n", L"user 32.dll"},  // inner blanks stay
        {L" \" spaced.dll \" ", L"spaced.dll"},
        {L"\"a\" \"b\"", L"\"a\" \"b\""},  // two pairs: neither encloses the whole
        {L"\"\"x\"\"", L"\"\"x\"\""},      // the first pair closes at once
        {L"\"unbalanced.dll", L"\"unbalanced.dll"},
        {std::wstring(L"a\0", 2), L"a"},
    };
    for (const auto& [text, result] : trimmed) EXPECT_EQ(TrimBlanksAndQuotes(text), result) << text;
}

TEST(CommandLine, TheUsersSwitchForTheContainsTest)
{
    // arguments; then the module specification, the contains test, started by the offer
    const std::tuple<const wchar_t*, const wchar_t*, bool, bool> cases[] = {
        {L"  kernel32.dll ", L"kernel32.dll", false, false},  // today's command lines keep their meaning
        {L"/CONTAINS system32", L"system32", true, false},
        {L"/contains", L"", true, false},
        {L"/containsx.dll", L"/containsx.dll", false, false},  // a switch ends with its blank
        {L"/contains /contains \"my file.dll\" ", L"my file.dll", true, false},
        {L"/elevatedx", L"/elevatedx", false, false},
    };
    for (const auto& [arguments, specification, contains, fromOffer] : cases) {
        const StartRequest request = ParseCommandLine(arguments);
        EXPECT_EQ(std::tuple(request.specification, request.contains, request.fromOffer),
                  std::tuple(std::wstring(specification), contains, fromOffer))
            << arguments;
    }
}

// The copy started by the offer is started as Windows starts it: the program's path in quotes, then the arguments.
TEST(CommandLine, TheOffersCopySearchesExactlyWhatWasSearchedInTheSameMode)
{
    EXPECT_EQ(OfferArguments(L" x ", false), L"/elevated  x ");
    EXPECT_EQ(OfferArguments(L"y", true), L"/elevated:contains y");
    const std::wstring specifications[] = {L"", L" x ", L"\tx", L"\"x\"", L"/contains x", L"/elevated",
                                           L"/elevated:contains y", L"a  b"};
    for (const std::wstring& specification : specifications) {
        for (const bool contains : {false, true}) {
            const std::wstring commandLine = L"\"C:\\My Tools\\vennick.exe\" " + OfferArguments(specification, contains);
            const StartRequest request = ParseCommandLine(CommandLineArguments(commandLine));
            EXPECT_EQ(std::tuple(request.specification, request.contains, request.fromOffer),
                      std::tuple(specification, contains, true))
                << commandLine;
        }
    }
}

TEST(TrayTooltip, TheCaptionAndTheSpecificationCutToFit)
{
    const std::wstring exact(127, L'x');
    EXPECT_EQ(FitToCapacity(exact, 128), exact) << "127 characters and the NUL fit";
    const std::wstring surrogates = std::wstring(125, L'z') + L"\xD83D\xDE00\xD83D\xDE00";
    EXPECT_EQ(FitToCapacity(surrogates, 128), std::wstring(125, L'z') + L'\u2026') << "no half of a pair";
}
