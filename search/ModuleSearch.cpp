#include "ModuleSearch.h"

#include "ProcessEntryKey.h"
#include "platform/text/TextOperations.h"

ResultRow HitRow(std::int32_t processId, const std::wstring& programPath, const MatchedModule& module,
                 std::optional<std::uint64_t> processStart, const std::optional<ServiceHost>& host,
                 const ProcessOwner& owner)
{
    const std::wstring program = FileNameOf(programPath);
    return ResultRow{host ? HostProgramText(program, *host) : program,
                     module.versionText,
                     module.path,
                     MakeProcessEntryKey(processId, programPath),
                     processStart,
                     module.copy,
                     module.runningVersion,
                     module.diskVersion,
                     host,
                     owner};
}

MatchedModule SearchRun::Compare(std::wstring path, const std::optional<ImageStamp>& running,
                                 const std::function<std::optional<FileVersion>()>& runningVersion) const
{
    const ModuleFile& listed = files.At(path);
    const ModuleFile& compared = files.At(ComparedPath(path, running, folders.system, folders.wow64));
    // A path that could not be read names no file: nothing is known of the copy.
    const ModuleCopy copy = path.empty() ? ModuleCopy::Unknown : CompareCopies(running, compared);
    std::optional<FileVersion> inMemory;
    if (copy == ModuleCopy::Same) inMemory = compared.version;
    if (copy == ModuleCopy::Replaced || copy == ModuleCopy::Gone) inMemory = runningVersion();
    const std::wstring text = VersionColumn(copy, VersionText(listed.version), inMemory, compared.version);
    return MatchedModule{std::move(path), copy, text, inMemory, compared.version};
}

void SearchRun::TestModule(std::uint32_t processId, const std::wstring& programPath, const std::wstring& modulePath) const
{
    if (!specification.Matches(modulePath)) return;
    const MatchedModule module{modulePath, ModuleCopy::Unknown, VersionText(files.At(modulePath).version), std::nullopt,
                               std::nullopt};
    rows.Add(HitRow(static_cast<std::int32_t>(processId), programPath, module));
}

void SearchRun::AddRows(const std::vector<const ProcessModules*>& processes) const
{
    for (const ProcessModules* process : processes) {
        for (const MatchedModule& module : process->matched) {
            rows.Add(HitRow(static_cast<std::int32_t>(process->processId), process->programPath, module,
                            process->startTime, process->host, process->owner));
        }
    }
}
