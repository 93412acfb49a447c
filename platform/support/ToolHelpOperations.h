#pragma once
// The support library's tool-help operations: snapshots of the processes and of one
// process's modules, walked record by record. The records must be zeroed with their
// dwSize set before the first call.
#include <windows.h>
#include <tlhelp32.h>

#include "platform/win/UniqueResource.h"

// Kind TH32CS_SNAPPROCESS (with process id 0) or TH32CS_SNAPMODULE (with the process's
// id); an invalid handle on failure, with the reason in the last error.
UniqueSnapshotHandle qsCreateToolhelp32Snapshot(DWORD kind, DWORD processId);
bool qsProcess32First(HANDLE snapshot, PROCESSENTRY32W& record);
bool qsProcess32Next(HANDLE snapshot, PROCESSENTRY32W& record);
bool qsModule32First(HANDLE snapshot, MODULEENTRY32W& record);
bool qsModule32Next(HANDLE snapshot, MODULEENTRY32W& record);
