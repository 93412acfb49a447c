#include "ModuleFiles_win.h"

#include "platform/files/FileRead.h"

ModuleFile ReadModuleFile(const std::wstring& path)
{
    ModuleFile file;
    const FileStart start = ReadFileStart(path, kImageHeaderBytes);
    if (start.error == ERROR_FILE_NOT_FOUND || start.error == ERROR_PATH_NOT_FOUND) {
        file.open = ModuleFile::Open::Missing;
        return file;
    }
    if (start.error == ERROR_SUCCESS) {
        file.open = ModuleFile::Open::Read;
        file.stamp = ReadImageStamp(start.bytes.data(), start.bytes.size());
    }
    file.version = ReadFileVersion(path);
    return file;
}
