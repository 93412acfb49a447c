#pragma once
// The three actions on the processes of the last search, each the click handler of
// its button on the main window. They read the rows; none of them changes the list.
// Each acts once on every listed process (ListedProcesses), however many rows it has.
#include <windows.h>

#include "search/ResultsList.h"

// "Завершить": after one confirmation, terminates every listed process (never this
// program, nor another copy started from its file) and reports each failure.
void TerminateListedProcesses(const ResultsList& rows);

// "Запустить": after one confirmation, starts every listed program once more (never
// this program) and reports each program that cannot be started.
void RelaunchListedPrograms(const ResultsList& rows, HWND owner);

// "Сохранить BAT": saves a batch file that starts every listed program again, in a
// file the user chooses in the folder used last.
void SaveRestartBatch(const ResultsList& rows, HWND owner);
