#pragma once
// What a search found and could not examine, in one sentence: the window's status band,
// and the console program's table.
#include <cstddef>
#include <string>
#include <vector>

#include "ResultsList.h"

// "Найдено строк: N, процессов: M."; when some still run an old copy of the module,
// " Процессов со старой копией модуля: K."; when some could not be examined,
// " Не удалось проверить процессов: K.".
std::wstring SearchSummary(std::size_t rows, std::size_t processes, std::size_t oldCopies, std::size_t unexamined);

// The sentence for these rows: their processes counted once each (a process on several rows
// counts once), and those of them that run an old copy of a module.
std::wstring SearchSummary(const std::vector<const ResultRow*>& rows, std::size_t unexamined);
std::wstring SearchSummary(const ResultsList& rows, std::size_t unexamined);
