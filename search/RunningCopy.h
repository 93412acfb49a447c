#pragma once
// The copy of a module a process runs against the file now at its path. The documented
// way to replace a DLL in use is to rename it and put the new file in its place: every
// process that loaded the old one keeps running it, under the old path.
#include <optional>
#include <string>

#include "ImageHeaders.h"
#include "ModuleFiles.h"

enum class ModuleCopy {
    Same,      // the file at the path is the image the process runs
    Replaced,  // another file is at the path now
    Gone,      // no file is at the path any more
    Unknown,   // the image or the file cannot be read, or they are not of one bitness
};

// Same when the link time stamp, SizeOfImage and CheckSum are equal. An image and a file
// of different bitness are never Replaced: one is not the other's build.
ModuleCopy CompareCopies(const std::optional<ImageStamp>& running, const ModuleFile& file);

// Where the file that a running image is compared with stands: a 32-bit image listed under
// the system folder (Windows lists a WOW64 process's system modules there) is the one of
// the same name in the 32-bit system folder.
std::wstring ComparedPath(const std::wstring& modulePath, const std::optional<ImageStamp>& running,
                          const std::wstring& systemFolder, const std::wstring& wow64SystemFolder);

// The version column: the design's text (`fileText`, the file at the path) where the file is
// the copy that runs or nothing is known; else the running copy's version and what is on
// disk: "5.1.3.2600 (на диске 6.0.0.1)", "5.1.3.2600 (файла нет)".
std::wstring VersionColumn(ModuleCopy copy, const std::wstring& fileText, const std::optional<FileVersion>& running,
                           const std::optional<FileVersion>& onDisk);
