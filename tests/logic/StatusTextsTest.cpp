#include <gtest/gtest.h>

#include "fixtures/MemoryResultsList.h"
#include "window/StatusTexts.h"

TEST(StatusTexts, WhatASearchFoundWhatItCouldNotExamineAndTheRowsForTheClipboard)
{
    EXPECT_EQ(SearchSummary(0, 0, 0), L"Найдено строк: 0, процессов: 0.");
    EXPECT_EQ(SearchSummary(12, 5, 3), L"Найдено строк: 12, процессов: 5. Не удалось проверить процессов: 3.");
    EXPECT_EQ(UnexaminedList({{624, L"csrss.exe", true, true}, {1234, L"svchost.exe", true}, {88, L""}}),
              L"csrss.exe (624) — защищённый процесс\r\nsvchost.exe (1234)\r\n(имя неизвестно) (88)\r\n");

    MemoryResultsList rows;
    rows.Add({L"a.exe", L"5.1.2600", L"C:\\A\\m.dll", L"&H00000001|C:\\A\\a.exe", {}});
    rows.Add({L"a.exe", L"---", L"C:\\A\\n.dll", L"&H00000001|C:\\A\\a.exe", {}});
    rows.Add({L"b.exe", L"1.0.0", L"C:\\B\\m.dll", L"&H00000002|C:\\B\\b.exe", {}});
    EXPECT_EQ(ProcessCount(rows), 2u) << "a process on two rows counts once";
    EXPECT_EQ(RowsAsText(rows, {0, 2}), L"Имя процесса\tВерсия модуля\tПолное имя файла модуля\r\n"
                                        L"a.exe\t5.1.2600\tC:\\A\\m.dll\r\n"
                                        L"b.exe\t1.0.0\tC:\\B\\m.dll\r\n");
}
