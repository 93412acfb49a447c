#pragma once
// What the status band and its box say after a search.
#include <cstddef>
#include <string>
#include <vector>

#include "search/ResultsList.h"
#include "search/SearchOutcome.h"

// "Найдено строк: N, процессов: M."; when some still run an old copy of the module,
// " Процессов со старой копией модуля: K."; when some could not be examined,
// " Не удалось проверить процессов: K.".
std::wstring SearchSummary(std::size_t rows, std::size_t processes, std::size_t oldCopies, std::size_t unexamined);

// The processes among the rows, each once (a process on several rows counts once); and
// those of them that run an old copy of a module.
std::size_t ProcessCount(const ResultsList& rows);
std::size_t OldCopyProcessCount(const ResultsList& rows);

// One line a process, ended by CR LF: its program's file name and its id, and that it is
// protected where the platform tells.
std::wstring UnexaminedList(const std::vector<UnexaminedProcess>& processes);
