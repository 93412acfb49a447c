#pragma once
// What the status band's box says after a search (the band's sentence: search/SearchSummary.h).
#include <cstddef>
#include <string>
#include <vector>

#include "search/SearchOutcome.h"

// One line a process, ended by CR LF: its program's file name and its id, and that it is
// protected where the platform tells.
std::wstring UnexaminedList(const std::vector<UnexaminedProcess>& processes);
