#pragma once
// Reading a module's file as the search's ModuleFiles want it, on Windows.
#include "ModuleFiles.h"

// Its PE headers (the first bytes) and its version resource; the path as the system takes it.
ModuleFile ReadModuleFile(const std::wstring& path);
