#pragma once
#include <string>

// Writes whole files safely: the text goes to a temporary file in the target's folder,
// which then replaces the target. A failed write leaves an existing file exactly as it
// was and leaves no partial file behind.
class FileWriter {
public:
    // Afterwards the file holds exactly `bytes`. Throws SystemError on failure.
    void WriteTextFile(const std::wstring& fileName, const std::string& bytes) const;
};

// The program-wide writer.
const FileWriter& ProgramFileWriter();
