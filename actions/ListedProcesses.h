#pragma once
#include <string>
#include <vector>

#include "search/ResultsList.h"

// The process entry keys of the listed processes, each once, in the order of their
// first rows: a process in which several modules matched stands on several rows with
// one key, and an action acts on it once. Two processes of one program have two keys.
std::vector<std::wstring> ListedProcesses(const ResultsList& rows);
