#include <gtest/gtest.h>

#include "window/StatusTexts.h"

// The band's sentence, its counts and the clipboard's rows are read off the real window; the list's other forms here.
TEST(StatusTexts, TheBoxNamesAProtectedProcessAndOneWithoutAName)
{
    EXPECT_EQ(UnexaminedList({{624, L"csrss.exe", true, true}, {1234, L"svchost.exe", true}, {88, L""}}),
              L"csrss.exe (624) — защищённый процесс\r\nsvchost.exe (1234)\r\n(имя неизвестно) (88)\r\n");
}
