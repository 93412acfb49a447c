#pragma once
#include <windows.h>

#include <string>

#include "platform/Seam.h"

// Writes whole files safely: the text goes to a temporary file in the target's folder,
// which then replaces the target; a replaced file keeps its attributes, security and
// streams. A failed write leaves an existing file exactly as it was and no partial file
// behind. Only a replace that fails halfway, with the old file moved aside and the new
// text not yet in its place, leaves both on disk, and the failure says where each is.
//
// Afterwards the file holds exactly `bytes`. Throws ProgramError on failure (a
// SystemError when a call failed).
void WriteWholeFile(const std::wstring& fileName, const std::string& bytes);

// The calls that put a file's bytes in place: a seam, so that tests can make a write
// fail halfway and a replace fail between its steps. Each is false on failure, with the
// reason in the last error.
class FileWrites {
public:
    virtual ~FileWrites() = default;
    // WriteFile; `written` counts what went in.
    virtual bool Write(HANDLE file, const char* bytes, DWORD count, DWORD& written) = 0;
    // ReplaceFileW: `replacement` takes the place of `target`, which moves to `backup`.
    virtual bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) = 0;
    // MoveFileExW to a name that is free.
    virtual bool Move(const std::wstring& from, const std::wstring& to) = 0;
};
template <>
FileWrites& Seam<FileWrites>::Default();
