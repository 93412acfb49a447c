#include <gtest/gtest.h>

#include "actions/RestartBatch.h"

namespace {

int LineCount(const std::string& text)
{
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

}  // namespace

TEST(RestartBatch, WithoutRowsHoldsTheEightFixedLines)
{
    const std::string text = RestartBatchText({});
    EXPECT_EQ(text,
              "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n"
              "\r\n"
              "  GOTO END\r\n"
              "\r\n"
              ":WIN_NT\r\n"
              "\r\n"
              "\r\n"
              ":END\r\n");
    EXPECT_EQ(text.size(), 72u);
    EXPECT_EQ(LineCount(text), 8);
}

TEST(RestartBatch, EachRowStandsInBothBlocksInRowOrder)
{
    const std::string one = RestartBatchText({"C:\\A\\a.exe"});
    EXPECT_EQ(LineCount(one), 10);
    EXPECT_EQ(one,
              "IF \"%OS%\"==\"Windows_NT\" GOTO WIN_NT\r\n\r\n"
              "  START \"C:\\A\\a.exe\"\r\n"
              "  GOTO END\r\n\r\n:WIN_NT\r\n\r\n"
              "  START \"\" \"C:\\A\\a.exe\"\r\n"
              "\r\n:END\r\n");

    const std::string two = RestartBatchText({"C:\\Program Files\\Editor\\editor.exe", "C:\\b.exe", "C:\\b.exe"});
    EXPECT_EQ(LineCount(two), 2 * 3 + 8);
    const std::size_t nine = two.find("  START \"C:\\Program Files\\Editor\\editor.exe\"\r\n  START \"C:\\b.exe\"\r\n"
                                      "  START \"C:\\b.exe\"\r\n  GOTO END");
    const std::size_t nt = two.find("  START \"\" \"C:\\Program Files\\Editor\\editor.exe\"\r\n  START \"\" "
                                    "\"C:\\b.exe\"\r\n  START \"\" \"C:\\b.exe\"\r\n\r\n:END\r\n");
    EXPECT_NE(nine, std::string::npos) << "the same path twice stays twice";
    EXPECT_NE(nt, std::string::npos);
    EXPECT_LT(nine, nt);
}

TEST(RestartBatch, PathBytesAreWrittenAsTheyAre)
{
    const std::string oem = "C:\\Tools\\\x8C\xAE\xA9\\tool.exe";
    const std::string text = RestartBatchText({oem});
    EXPECT_NE(text.find("  START \"" + oem + "\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("  START \"\" \"" + oem + "\"\r\n"), std::string::npos);
}

TEST(RestartBatch, PercentSignsAreDoubled)
{
    EXPECT_EQ(EscapeBatchPercent(L"C:\\100%\\run%PATH%.exe"), L"C:\\100%%\\run%%PATH%%.exe");
    EXPECT_EQ(EscapeBatchPercent(L"%%"), L"%%%%");
    EXPECT_EQ(EscapeBatchPercent(L"C:\\plain.exe"), L"C:\\plain.exe");
    EXPECT_EQ(EscapeBatchPercent(L""), L"");
}
