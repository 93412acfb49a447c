#include "ModuleFiles_win.h"

#include "platform/files/FileRead.h"
#include "platform/text/TextOperations.h"

ModuleFile ReadModuleFile(const std::wstring& path)
{
    ModuleFile file;
    const FileStart start = ReadFileStart(path, kImageHeaderBytes);
    // A drive letter another logon session mapped or substituted is no drive here: its files are not known to be gone.
    const std::wstring root = DriveRootOf(path);
    const bool driveHere = root.empty() || GetDriveTypeW(root.c_str()) != DRIVE_NO_ROOT_DIR;
    if (driveHere && (start.error == ERROR_FILE_NOT_FOUND || start.error == ERROR_PATH_NOT_FOUND)) {
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
