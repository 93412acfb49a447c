#include <gtest/gtest.h>

#include <atomic>
#include <tuple>

#include "search/MemoryResultsList.h"
#include "platform/Parallel.h"
#include "search/ModuleSearch.h"

// The reader is asked from the workers at once: it shares nothing but an atomic count.
TEST(ModuleFiles, EachDistinctPathReadOnceOnManyWorkersALongOneInItsExtendedFormAZeroBuildLeftOut)
{
    std::atomic<int> reads{0};
    const std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\m0";
    ModuleFiles files([&](const std::wstring& path) {
        ++reads;
        ModuleFile file;
        if (path == L"\\\\?\\" + deep) file.version = FileVersion{5, 1, 0, 2600};  // only in the form the loader takes
        else if (path.back() != L'-') file.version = FileVersion{5, 1, 3, static_cast<std::uint32_t>(path.size())};
        return file;
    });
    std::vector<std::wstring> paths{deep, L"C:\\none-"};
    for (int i = 0; i < 300; ++i) paths.push_back(L"C:\\m" + std::wstring(static_cast<std::size_t>(i % 150), L'x'));
    ForEachIndexInParallel(paths.size(), 8, [&](std::size_t i) { files.At(paths[i]); });
    EXPECT_EQ(reads, 152) << "each distinct path once";
    EXPECT_EQ(VersionText(files.At(deep).version), L"5.1.2600");
    EXPECT_EQ(VersionText(files.At(L"C:\\none-").version), L"---");
    EXPECT_EQ(VersionText(files.At(L"C:\\mx").version), L"5.1.3.5");
    EXPECT_EQ(reads, 152) << "what was read is not read again";
}

TEST(RunningCopy, TheImageAProcessRunsAgainstTheFileAtItsPath)
{
    using Open = ModuleFile::Open;
    // a 64-bit image, then it with one field changed each
    constexpr ImageStamp k64{true, 0x5E000000, 0x9000, 0x1234}, later{true, 0x5E000001, 0x9000, 0x1234},
        larger{true, 0x5E000000, 0xA000, 0x1234}, otherSum{true, 0x5E000000, 0x9000, 0},
        pe32{false, 0x5E000000, 0x9000, 0x1234};
    // the image in memory, the file: how it was opened and its headers; the verdict
    const std::tuple<std::optional<ImageStamp>, Open, std::optional<ImageStamp>, ModuleCopy> cases[] = {
        {k64, Open::Read, k64, ModuleCopy::Same},
        {k64, Open::Read, later, ModuleCopy::Replaced},
        {k64, Open::Read, larger, ModuleCopy::Replaced},
        {k64, Open::Read, otherSum, ModuleCopy::Replaced},
        {k64, Open::Read, pe32, ModuleCopy::Unknown},  // another bitness is never another build of it
        {k64, Open::Read, std::nullopt, ModuleCopy::Unknown},  // no valid headers in the file
        {k64, Open::Missing, std::nullopt, ModuleCopy::Gone},
        {k64, Open::Failed, std::nullopt, ModuleCopy::Unknown},
        {std::nullopt, Open::Read, k64, ModuleCopy::Unknown},  // the image in memory cannot be read
        {std::nullopt, Open::Missing, std::nullopt, ModuleCopy::Unknown},
    };
    for (const auto& [running, open, onDisk, verdict] : cases) {
        EXPECT_EQ(CompareCopies(running, ModuleFile{open, std::nullopt, onDisk}), verdict)
            << static_cast<int>(open) << " " << static_cast<int>(verdict);
    }

    const std::wstring system = L"C:\\Windows\\system32", wow = L"C:\\Windows\\SysWOW64";
    EXPECT_EQ(ComparedPath(L"C:\\WINDOWS\\System32\\kernel32.dll", pe32, system, wow), L"C:\\Windows\\SysWOW64\\kernel32.dll");
    EXPECT_EQ(ComparedPath(L"C:\\Windows\\system32\\kernel32.dll", k64, system, wow), L"C:\\Windows\\system32\\kernel32.dll");
    EXPECT_EQ(ComparedPath(L"C:\\Windows\\system32x\\a.dll", pe32, system, wow), L"C:\\Windows\\system32x\\a.dll");
    EXPECT_EQ(ComparedPath(L"C:\\Apps\\a.dll", pe32, system, wow), L"C:\\Apps\\a.dll");
}

// The version column and the row's copy as one module of a process reads them, through a search's files.
TEST(RunningCopy, TheVersionColumnKeepsTheDesignsTextUnlessTheProcessRunsAnOldCopy)
{
    const ImageStamp old{true, 1, 0x9000, 0}, pe32{false, 1, 0x9000, 0}, newer{true, 2, 0x9000, 0};
    ModuleFiles files([&](const std::wstring& path) {
        if (path == L"C:\\m\\gone.dll") return ModuleFile{ModuleFile::Open::Missing, std::nullopt, std::nullopt};
        if (path == L"C:\\W\\SysWOW64\\k.dll") return ModuleFile{ModuleFile::Open::Read, FileVersion{6, 1, 0, 32}, pe32};
        if (path == L"C:\\W\\System32\\k.dll") return ModuleFile{ModuleFile::Open::Read, FileVersion{6, 1, 0, 64}, old};
        if (path == L"C:\\m\\new.dll") return ModuleFile{ModuleFile::Open::Read, FileVersion{6, 0, 0, 1}, newer};
        return ModuleFile{ModuleFile::Open::Read, FileVersion{5, 1, 3, 2600}, old};
    });
    MemoryResultsList rows;
    const SearchRun run{rows, files, ModuleSpecification(L"", MatchMode::EndsWith, true), 1,
                        {L"C:\\W\\System32", L"C:\\W\\SysWOW64"}};
    int versionReads = 0;
    const auto inMemory = [&] { return ++versionReads, std::optional<FileVersion>(FileVersion{5, 1, 3, 2600}); };
    // the module, the image in memory; the column, the copy, what is known of the running copy and of the disk's
    const std::tuple<const wchar_t*, std::optional<ImageStamp>, const wchar_t*, ModuleCopy, std::optional<FileVersion>,
                     std::optional<FileVersion>> cases[] = {
        {L"C:\\m\\same.dll", old, L"5.1.3.2600", ModuleCopy::Same, FileVersion{5, 1, 3, 2600}, FileVersion{5, 1, 3, 2600}},
        {L"C:\\m\\new.dll", old, L"5.1.3.2600 (на диске 6.0.1)", ModuleCopy::Replaced, FileVersion{5, 1, 3, 2600},
         FileVersion{6, 0, 0, 1}},
        {L"C:\\m\\gone.dll", old, L"5.1.3.2600 (файла нет)", ModuleCopy::Gone, FileVersion{5, 1, 3, 2600}, std::nullopt},
        {L"C:\\m\\new.dll", std::nullopt, L"6.0.1", ModuleCopy::Unknown, std::nullopt, FileVersion{6, 0, 0, 1}},
        {L"", old, L"5.1.3.2600", ModuleCopy::Unknown, std::nullopt, FileVersion{5, 1, 3, 2600}},  // a path not read
        // A 32-bit process's system module, listed under System32: the design's text, of the file at that path.
        {L"C:\\W\\System32\\k.dll", pe32, L"6.1.64", ModuleCopy::Same, FileVersion{6, 1, 0, 32}, FileVersion{6, 1, 0, 32}},
    };
    for (const auto& [path, running, column, copy, runningVersion, diskVersion] : cases) {
        const MatchedModule module = run.Compare(path, running, inMemory);
        EXPECT_EQ(std::tuple(module.versionText, module.copy, module.runningVersion, module.diskVersion),
                  std::tuple(std::wstring(column), copy, runningVersion, diskVersion))
            << path;
    }
    EXPECT_EQ(versionReads, 2) << "the running copy's version is read from memory only where the file is another";
}
