// Measures the module search against its floor: K helper processes each load M test
// modules; then, in interleaved rounds, times
//   (a) a bare walk: EnumProcesses, OpenProcess, EnumProcessModulesEx and
//       GetModuleFileNameExW over every module, doing nothing else;
//   (b) SearchModule for a name that matches nothing;
//   (c) SearchModule for a module that every helper has loaded;
// and prints the medians and the ratios b/a and c/a.
//
//   search_benchmark.exe [helpers=40] [modules=25] [rounds=9]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fixtures/HelperProcess.h"
#include "fixtures/TestFiles.h"
#include "platform/win/UniqueResource.h"
#include "search/MemoryResultsList.h"
#include "search/modMain.h"

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
    const int helperCount = Argument(argc, argv, 1, 40);
    const int moduleCount = Argument(argc, argv, 2, 25);
    const int rounds = Argument(argc, argv, 3, 9);

    ScratchFolder folder(L"vennick-bench");
    std::vector<std::wstring> modules;
    for (int m = 1; m <= moduleCount; ++m) {
        modules.push_back(folder.AddModule(ModuleKind::Version5_1_3_2600, L"bench_mod_" + std::to_wstring(m) + L".dll"));
    }
    std::vector<HelperProcess> helpers;
    // Helpers live until the benchmark ends them, however long the rounds take.
    for (int h = 0; h < helperCount; ++h) helpers.emplace_back(modules, HelperProgramPath(), 3600);

    std::vector<double> bare, miss, hit;
    std::size_t modulesSeen = 0;
    int missRows = 0;
    int hitRows = 0;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(Milliseconds([&] { modulesSeen = BareWalk(); }));
        miss.push_back(Milliseconds([&] {
            MemoryResultsList list;
            SearchModule(list, L"no_such_module_zz.dll", false);
            missRows = list.RowCount();
        }));
        hit.push_back(Milliseconds([&] {
            MemoryResultsList list;
            SearchModule(list, L"bench_mod_7.dll", false);
            hitRows = list.RowCount();
        }));
    }

    const double a = Median(bare), b = Median(miss), c = Median(hit);
    std::printf("%d helpers x %d modules, %zu module paths per walk, median of %d rounds\n", helperCount,
                moduleCount, modulesSeen, rounds);
    std::printf("(a) bare walk            %8.1f ms\n", a);
    std::printf("(b) search, no match     %8.1f ms  (%d rows)  b/a = %.3f\n", b, missRows, b / a);
    std::printf("(c) search, every helper %8.1f ms  (%d rows)  c/a = %.3f\n", c, hitRows, c / a);
    return 0;
}
