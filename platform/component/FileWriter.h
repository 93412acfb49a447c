#pragma once
#include <windows.h>

#include <string>

#include "platform/Seam.h"

// Writes whole files safely: the text goes to a temporary file in the target's folder,
// which then replaces the target. A failed write leaves an existing file exactly as it
// was and leaves no partial file behind; a replaced file keeps its attributes, security
// and streams.
class FileWriter {
public:
    // Afterwards the file holds exactly `bytes`. Throws SystemError on failure.
    void WriteTextFile(const std::wstring& fileName, const std::string& bytes) const;
};

// The program-wide writer.
const FileWriter& ProgramFileWriter();

// The call that puts bytes into a file (WriteFile): a seam, so that tests can make a
// write fail halfway.
class FileWrites {
public:
    virtual ~FileWrites() = default;
    // False on failure, with the reason in the last error; `written` counts what went in.
    virtual bool Write(HANDLE file, const char* bytes, DWORD count, DWORD& written) = 0;
};
template <>
FileWrites& Seam<FileWrites>::Default();
