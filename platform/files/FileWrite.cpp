#include "FileWrite.h"

#include <windows.h>

#include <algorithm>

#include "FileWriteTexts.h"
#include "platform/text/TextOperations.h"
#include "platform/SystemError.h"
#include "platform/UniqueResource.h"

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

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(ExtendedLengthPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A file of our own beside the target, deleted unless it was kept. Its name is made
// here: GetTempFileName takes no folder longer than MAX_PATH - 14.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& folder)
    {
        static unsigned counter = 0;
        const std::wstring prefix = L"~vennick-" + std::to_wstring(GetCurrentProcessId()) + L"-";
        for (;;) {
            path_ = PathInFolder(folder, prefix + std::to_wstring(++counter) + L".tmp");
            const UniqueFileHandle created(CreateFileW(ExtendedLengthPath(path_).c_str(), GENERIC_WRITE, 0, nullptr,
                                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (created) return;
            if (GetLastError() != ERROR_FILE_EXISTS) ThrowLastError(L"CreateFile");
        }
    }
    ~TemporaryFile()
    {
        if (!kept_) DeleteFileW(Long().c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::wstring& Path() const { return path_; }  // as the user reads it
    std::wstring Long() const { return ExtendedLengthPath(path_); }  // as the calls take it
    void Keep() { kept_ = true; }
    // The name alone stays reserved: a call that wants no file there gets it.
    void Vacate() { DeleteFileW(Long().c_str()); }

private:
    std::wstring path_;
    bool kept_ = false;
};

void WriteAll(const std::wstring& path, const std::string& bytes)
{
    const UniqueFileHandle file(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
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

void WriteWholeFile(const std::wstring& fileName, const std::string& bytes)
{
    const std::wstring target = ExtendedLengthPath(fileName);
    // A read-only file keeps its protection, whatever a replace would allow; and a folder is no file to replace.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        throw SystemError(L"WriteWholeFile", ERROR_ACCESS_DENIED);
    }
    std::wstring folder = FolderOf(fileName);
    if (folder.empty()) folder = L".";
    TemporaryFile temporary(folder);
    WriteAll(temporary.Path(), bytes);
    FileWrites& calls = Seam<FileWrites>::Current();
    if (!exists) {
        if (!calls.Move(temporary.Long(), target)) ThrowLastError(L"MoveFileEx");
        temporary.Keep();
        return;
    }
    // A plain move would put the temporary file's attributes, security and streams in
    // place of the old file's; ReplaceFile keeps the old ones. The old file moves aside
    // under a name of our own, so that a replace failing halfway can say where it is.
    TemporaryFile backup(folder);
    backup.Vacate();
    if (calls.Replace(target, temporary.Long(), backup.Long())) {
        temporary.Keep();
        return;  // the backup, the old text, goes with its owner
    }
    const DWORD replaceError = GetLastError();
    // Where the old file is decides, whatever a third program has put at the target's name
    // meanwhile: still at its name, the replace failed and nothing changed.
    const bool oldFileAside = FileExists(backup.Path());
    if (!oldFileAside && FileExists(fileName)) throw SystemError(L"ReplaceFile", replaceError);
    // The old file has left its name (moved aside, or removed): the new text goes there
    // now, and if it cannot, neither is deleted.
    if (calls.Move(temporary.Long(), target)) {
        temporary.Keep();
        return;
    }
    const SystemError failure(L"MoveFileEx", GetLastError());
    temporary.Keep();
    if (oldFileAside) backup.Keep();
    throw ProgramError(failure.Description() + L"\r\n" +
                       FilesLeftByReplace(temporary.Path(), oldFileAside ? backup.Path() : std::wstring()));
}
