#include <gtest/gtest.h>

#include "actions/ActionTexts.h"
#include "platform/support/TextOperations.h"

using namespace action_texts;

TEST(ActionTexts, ConfirmationsAreTheLiteralsJoined)
{
    EXPECT_EQ(KillConfirmation(),
              L"Вы действительно хотите завершить все перечисленные программы? Все несохранённые данные могут быть "
              L"утеряны!");
    EXPECT_EQ(LaunchConfirmation(),
              L"Вы действительно хотите перезапустить перечисленные программы? Если они не были завершены ранее, то "
              L"они будут запущены повтороно!");
}

TEST(ActionTexts, MessagesAboutAFilePutItsPathFirstThenAnEmptyLine)
{
    EXPECT_EQ(KillFailure(L"C:\\a\\b.exe", qsHexEx4(1234)),
              L"C:\\a\\b.exe\r\n\r\nНе удаётся завершить процесс с идентификатором 0x000004D2 (1234).");
    EXPECT_EQ(KillFailure(L"C:\\a\\b.exe", qsHexEx4(-1)),
              L"C:\\a\\b.exe\r\n\r\nНе удаётся завершить процесс с идентификатором 0xFFFFFFFF (4294967295).");
    EXPECT_EQ(LaunchFailure(L"C:\\gone.exe"), L"C:\\gone.exe\r\n\r\nНе удаётся запустить программу.");
    EXPECT_EQ(SaveFailure(L"C:\\Batch\\restart.bat"), L"C:\\Batch\\restart.bat\r\n\r\nНе удаётся сохранить пакетный файл.");
    EXPECT_EQ(SaveSuccess(L"C:\\Batch\\restart.bat"),
              L"C:\\Batch\\restart.bat\r\n\r\nПакетный файл сохранён успешно.");
}
