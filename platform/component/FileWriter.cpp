#include "FileWriter.h"

#include <windows.h>

#include <algorithm>

#include "platform/support/TextOperations.h"
#include "platform/win/SystemError.h"
#include "platform/win/UniqueResource.h"

namespace {

// A temporary file that is deleted unless it was kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& folder)
    {
        wchar_t path[MAX_PATH] = {};
        if (GetTempFileNameW(folder.c_str(), L"vbt", 0, path) == 0) ThrowLastError(L"GetTempFileName");
        path_ = path;
    }
    ~TemporaryFile()
    {
        if (!kept_) DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::wstring& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    bool kept_ = false;
};

void WriteAll(const std::wstring& path, const std::string& bytes)
{
    const UniqueFileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowLastError(L"CreateFile");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) ThrowLastError(L"WriteFile");
        done += written;
    }
    if (!FlushFileBuffers(file.get())) ThrowLastError(L"FlushFileBuffers");
}

}  // namespace

void FileWriter::WriteTextFile(const std::wstring& fileName, const std::string& bytes) const
{
    // Replacing goes through a rename, which some file systems allow over a read-only
    // file: the file's own protection must hold all the same.
    const DWORD attributes = GetFileAttributesW(fileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw SystemError(L"WriteTextFile", ERROR_ACCESS_DENIED);
    }
    std::wstring folder = qsGetFilePath(fileName);
    if (folder.empty()) folder = L".";
    TemporaryFile temporary(folder);
    WriteAll(temporary.Path(), bytes);
    if (!MoveFileExW(temporary.Path().c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ThrowLastError(L"MoveFileEx");
    }
    temporary.Keep();
}

const FileWriter& ProgramFileWriter()
{
    static const FileWriter writer;
    return writer;
}
