#include "FileWriter.h"

#include <windows.h>

#include <algorithm>

#include "FileWriterTexts.h"
#include "platform/support/TextOperations.h"
#include "platform/win/SystemError.h"
#include "platform/win/UniqueResource.h"

namespace {

class SystemFileWrites final : public FileWrites {
public:
    bool Write(HANDLE file, const char* bytes, DWORD count, DWORD& written) override
    {
        return WriteFile(file, bytes, count, &written, nullptr) != FALSE;
    }
    bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) override
    {
        return ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr, nullptr) != FALSE;
    }
    bool Move(const std::wstring& from, const std::wstring& to) override
    {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    }
};

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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
        if (!Seam<FileWrites>::Current().Write(file.get(), bytes.data() + done, chunk, written)) {
            ThrowLastError(L"WriteFile");
        }
        done += written;
    }
    if (!FlushFileBuffers(file.get())) ThrowLastError(L"FlushFileBuffers");
}

}  // namespace

template <>
FileWrites& Seam<FileWrites>::Default()
{
    static SystemFileWrites writes;
    return writes;
}

void FileWriter::WriteTextFile(const std::wstring& fileName, const std::string& bytes) const
{
    // A read-only file keeps its protection, whatever a replace would allow.
    const DWORD attributes = GetFileAttributesW(fileName.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) throw SystemError(L"WriteTextFile", ERROR_ACCESS_DENIED);
    std::wstring folder = qsGetFilePath(fileName);
    if (folder.empty()) folder = L".";
    TemporaryFile temporary(folder);
    WriteAll(temporary.Path(), bytes);
    FileWrites& calls = Seam<FileWrites>::Current();
    // A plain move would put the temporary file's attributes, security and streams in
    // place of the old file's; ReplaceFile keeps the old ones.
    const std::wstring backup = temporary.Path() + L".old";
    const bool replaced = exists && calls.Replace(fileName, temporary.Path(), backup);
    const DWORD replaceError = GetLastError();
    if (exists && !replaced && FileExists(fileName)) {  // the old file is still in its place
        DeleteFileW(backup.c_str());
        throw SystemError(L"ReplaceFile", replaceError);
    }
    // A replace that failed halfway has taken the old file from its place (to the backup,
    // or removed it): the new text goes there now, and if it cannot, both stay on disk.
    if (!replaced && !calls.Move(temporary.Path(), fileName)) {
        const SystemError failure(L"MoveFileEx", GetLastError());
        if (!exists) throw failure;
        temporary.Keep();
        throw ProgramError(failure.Description() + L"\r\n" +
                           FilesLeftByReplace(temporary.Path(), FileExists(backup) ? backup : L""));
    }
    temporary.Keep();
    DeleteFileW(backup.c_str());  // the old text, once the new one is in its place
}

const FileWriter& ProgramFileWriter()
{
    static const FileWriter writer;
    return writer;
}
