#pragma once
// Who ran the processes a search listed, read once a search and only for those: one open of
// each with the least rights.
#include <windows.h>

#include <unordered_map>
#include <vector>

#include "ProcessModules.h"

std::unordered_map<DWORD, ProcessOwner> OwnersOf(const std::vector<const ProcessModules*>& processes);
