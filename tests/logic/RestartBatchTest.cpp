#include <gtest/gtest.h>

#include "actions/RestartBatch.h"

TEST(RestartBatch, TheFileForTwoProgramsAndForNoneByteForByte)
{
    // C:\Tools\Мой инструмент\tool.exe in code page 866.
    const std::string tool = "C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe";
    EXPECT_EQ(RestartBatchText({{"C:\\Program Files\\Editor\\editor.exe", {}, ""}, {tool, {}, ""}}),
              "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n"
              "\r\n"
              "  START \"C:\\Program Files\\Editor\\editor.exe\"\r\n"
              "  START \"C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe\"\r\n"
              "  GOTO END\r\n"
              "\r\n"
              ":WIN_NT\r\n"
              "\r\n"
              "  START \"\" \"C:\\Program Files\\Editor\\editor.exe\"\r\n"
              "  START \"\" \"C:\\Tools\\\x8C\xAE\xA9\x20\xA8\xAD\xE1\xE2\xE0\xE3\xAC\xA5\xAD\xE2\\tool.exe\"\r\n"
              "\r\n"
              ":END\r\n");
    EXPECT_EQ(RestartBatchText({}),
              "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n\r\n  GOTO END\r\n\r\n:WIN_NT\r\n\r\n\r\n:END\r\n");
}

// A service host's services start through the service manager, and a packaged application by its id, on the NT
// family only; the other lines stay as they are.
TEST(RestartBatch, AServiceHostStartsItsServicesByNameAndAPackagedApplicationByItsIdInTheNtBlock)
{
    const BatchEntry app{"C:\\Program Files\\WindowsApps\\N\\notepad.exe", {}, "shell:AppsFolder\\N!App"};
    EXPECT_EQ(RestartBatchText({{"C:\\A\\a.exe", {}, ""}, {"C:\\W\\svchost.exe", {"Dnscache", "nsi"}, ""}, app}),
              "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n"
              "\r\n"
              "  START \"C:\\A\\a.exe\"\r\n"
              "  START \"C:\\Program Files\\WindowsApps\\N\\notepad.exe\"\r\n"
              "  GOTO END\r\n"
              "\r\n"
              ":WIN_NT\r\n"
              "\r\n"
              "  START \"\" \"C:\\A\\a.exe\"\r\n"
              "  NET START \"Dnscache\"\r\n"
              "  NET START \"nsi\"\r\n"
              "  START \"\" \"shell:AppsFolder\\N!App\"\r\n"
              "\r\n"
              ":END\r\n");
}

TEST(RestartBatch, PercentSignsAreDoubled)
{
    EXPECT_EQ(EscapeBatchPercent(L"C:\\100%\\run%PATH%.exe"), L"C:\\100%%\\run%%PATH%%.exe");
    EXPECT_EQ(EscapeBatchPercent(L"C:\\plain.exe"), L"C:\\plain.exe");
}
