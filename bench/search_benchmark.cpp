// Measures how the module search's cost grows with the modules of each process: for
// 10, 40 and 160 test modules loaded by each of K helper processes, times (median of
// the rounds)
//   (a) a bare walk: EnumProcesses, OpenProcess, EnumProcessModulesEx and
//       GetModuleFileNameExW for every module, doing nothing else;
//   (b) SearchModule for a name that matches nothing;
// and prints both per module path, and b/a.
//
//   search_benchmark.exe [helpers=8] [rounds=3]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fixtures/HelperProcess.h"
#include "fixtures/MemoryResultsList.h"
#include "platform/UniqueResource.h"
#include "search/ModuleSearch.h"

namespace {

using Clock = std::chrono::steady_clock;

std::size_t BareWalk()
{
    std::vector<DWORD> ids(1024);
    DWORD bytes = 0;
    EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes);
    std::size_t modulesSeen = 0;
    std::vector<HMODULE> modules(2048);
    wchar_t path[1025];
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]));
        if (!process) continue;
        DWORD needed = 0;
        if (!EnumProcessModulesEx(process.get(), modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                                  &needed, LIST_MODULES_ALL)) {
            continue;
        }
        const std::size_t count = std::min<std::size_t>(needed / sizeof(HMODULE), modules.size());
        for (std::size_t m = 0; m < count; ++m) {
            modulesSeen += GetModuleFileNameExW(process.get(), modules[m], path, 1024) > 0 ? 1 : 0;
        }
    }
    return modulesSeen;
}

template <class Work>
double Milliseconds(Work work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Argument(int argc, wchar_t** argv, int index, int fallback)
{
    return argc > index ? std::stoi(argv[index]) : fallback;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int helperCount = Argument(argc, argv, 1, 8);
    const int rounds = Argument(argc, argv, 2, 3);

    ScratchFolder folder(L"vennick-bench");
    std::vector<std::wstring> modules;
    std::printf("%d helpers, median of %d rounds\n", helperCount, rounds);
    std::printf("modules/helper  paths/walk  (a) bare ms/path  (b) search ms/path   b/a\n");
    for (const int moduleCount : {10, 40, 160}) {
        while (static_cast<int>(modules.size()) < moduleCount) {
            modules.push_back(folder.AddModule(ModuleKind::Version5_1_3_2600,
                                               L"bench_mod_" + std::to_wstring(modules.size() + 1) + L".dll"));
        }
        const std::vector<std::wstring> loaded(modules.begin(), modules.begin() + moduleCount);
        std::vector<HelperProcess> helpers;
        // Helpers live until the benchmark ends them, however long the rounds take.
        for (int h = 0; h < helperCount; ++h) helpers.emplace_back(loaded, HelperProgramPath(), L"--lifetime 3600");

        std::vector<double> bare, search;
        std::size_t paths = 0;
        for (int round = 0; round < rounds; ++round) {
            bare.push_back(Milliseconds([&] { paths = BareWalk(); }));
            search.push_back(Milliseconds([&] {
                MemoryResultsList list;
                SearchModule(list, L"no_such_module_zz.dll", MatchMode::EndsWith);
            }));
        }
        const double a = Median(bare) / static_cast<double>(paths);
        const double b = Median(search) / static_cast<double>(paths);
        std::printf("%14d  %10zu  %16.3f  %18.3f  %5.3f\n", moduleCount, paths, a, b, b / a);
    }
    return 0;
}
