#include "RunningCopy.h"

#include "platform/text/TextCase.h"

ModuleCopy CompareCopies(const std::optional<ImageStamp>& running, const ModuleFile& file)
{
    if (!running) return ModuleCopy::Unknown;
    if (file.open == ModuleFile::Open::Missing) return ModuleCopy::Gone;
    if (file.open != ModuleFile::Open::Read || !file.stamp || file.stamp->is64Bit != running->is64Bit) {
        return ModuleCopy::Unknown;
    }
    return *file.stamp == *running ? ModuleCopy::Same : ModuleCopy::Replaced;
}

std::wstring ComparedPath(const std::wstring& modulePath, const std::optional<ImageStamp>& running,
                          const std::wstring& systemFolder, const std::wstring& wow64SystemFolder)
{
    if (!running || running->is64Bit || systemFolder.empty() || wow64SystemFolder.empty()) return modulePath;
    const std::size_t length = systemFolder.size();
    const bool underSystem = modulePath.size() > length + 1 && modulePath[length] == L'\\' &&
                             EqualIgnoringCase(std::wstring_view(modulePath).substr(0, length), systemFolder);
    return underSystem ? wow64SystemFolder + modulePath.substr(length) : modulePath;
}

std::wstring VersionColumn(ModuleCopy copy, const std::wstring& fileText, const std::optional<FileVersion>& running,
                           const std::optional<FileVersion>& onDisk)
{
    switch (copy) {
    case ModuleCopy::Replaced: return VersionText(running) + L" (на диске " + VersionText(onDisk) + L")";
    case ModuleCopy::Gone: return VersionText(running) + L" (файла нет)";
    case ModuleCopy::Same:
    case ModuleCopy::Unknown: break;
    }
    return fileText;
}
