// Measures the module search against the cheapest complete single-threaded read of the
// same processes: one tool-help module snapshot each (the floor). For 10, 40 and 160
// test modules loaded by each of K helper processes, within each round:
//   (a) the floor: EnumProcesses, then for every process one module snapshot, walked;
//   (b) the search for a name that matches nothing, against (a);
//   (c) the floor plus one version read per distinct module path;
//   (d) the search with every module matching (the empty specification), against (c);
// (b) and (d) with 1, 2 and 4 worker threads. Prints the medians of the per-round times
// per module path and of the ratios b/a, d/c; and the most the search with nothing matching
// holds on the heap at once beyond what was held before it (every thread's allocations).
//
//   search_benchmark.exe [helpers=8] [rounds=3]
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "fixtures/HelperProcess.h"
#include "search/MemoryResultsList.h"
#include "platform/UniqueResource.h"
#include "platform/files/FileVersion.h"
#include "search/ModuleSearch.h"

namespace {

// Every allocation of the program, counted: what is held now, and the most held since the last reset.
std::atomic<std::size_t> g_held{0}, g_peak{0};

void* Counted(std::size_t size)
{
    // The size stands before the block, where the deletion finds it.
    auto* block = static_cast<std::max_align_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (block == nullptr) throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t held = g_held += size;
    for (std::size_t peak = g_peak; held > peak && !g_peak.compare_exchange_weak(peak, held);) {
    }
    return block + 1;
}

void Uncounted(void* pointer)
{
    if (pointer == nullptr) return;
    auto* block = static_cast<std::max_align_t*>(pointer) - 1;
    g_held -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Counted(size); }
void* operator new[](std::size_t size) { return Counted(size); }
void operator delete(void* pointer) noexcept { Uncounted(pointer); }
void operator delete[](void* pointer) noexcept { Uncounted(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Uncounted(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Uncounted(pointer); }

namespace {

// The floor: every module path of every process, one snapshot a process, one thread.
std::vector<std::wstring> SnapshotEveryProcess()
{
    std::vector<DWORD> ids(4096);
    DWORD bytes = 0;
    EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes);
    std::vector<std::wstring> paths;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        const UniqueSnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, ids[i]));
        if (!snapshot) continue;
        MODULEENTRY32W module{};
        module.dwSize = sizeof module;
        for (BOOL more = Module32FirstW(snapshot.get(), &module); more; more = Module32NextW(snapshot.get(), &module)) {
            paths.emplace_back(module.szExePath);
        }
    }
    return paths;
}

template <class Work>
double Milliseconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double SearchMilliseconds(const std::wstring& specification, unsigned workers)
{
    return Milliseconds([&] {
        MemoryResultsList list;
        SearchModule(list, specification, MatchMode::EndsWith, workers);
    });
}

// The most the search holds on the heap at once, beyond what was held before it.
std::size_t SearchPeakBytes(const std::wstring& specification)
{
    MemoryResultsList list;
    const std::size_t before = g_held;
    g_peak = before;
    SearchModule(list, specification, MatchMode::EndsWith, 4);
    return g_peak - before;
}

// vennick-cli.exe from its start to its exit, its output thrown away.
double ConsoleMilliseconds(const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + BuildFolder() + L"vennick-cli.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    return Milliseconds([&] {
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                            &startup, &info)) {
            return;
        }
        const UniqueHandle process(info.hProcess), thread(info.hThread);
        WaitForSingleObject(process.get(), INFINITE);
    });
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
    constexpr unsigned kWorkers[] = {1, 2, 4};
    std::printf("%d helpers, medians of %d rounds; ms per module path; b and d with 1, 2, 4 workers\n", helperCount,
                rounds);
    std::printf("modules  paths  (a) floor  (b) nothing 1/2/4    b/a 1/2/4           (c) floor+ver  (d) everything "
                "1/2/4   d/c 1/2/4          heap peak, nothing (KB)\n");
    for (const int moduleCount : {10, 40, 160}) {
        while (static_cast<int>(modules.size()) < moduleCount) {
            modules.push_back(folder.AddModule(ModuleKind::Version5_1_3_2600,
                                               L"bench_mod_" + std::to_wstring(modules.size() + 1) + L".dll"));
        }
        const std::vector<std::wstring> loaded(modules.begin(), modules.begin() + moduleCount);
        std::vector<HelperProcess> helpers;
        // Helpers live until the benchmark ends them, however long the rounds take.
        for (int h = 0; h < helperCount; ++h) helpers.emplace_back(loaded, HelperProgramPath(), L"--lifetime 3600");

        std::vector<double> floor, withVersions, nothing[3], nothingRatio[3], everything[3], everythingRatio[3];
        std::size_t paths = 0;
        std::size_t peak = 0;
        for (int round = 0; round < rounds; ++round) {
            peak = std::max(peak, SearchPeakBytes(L"no_such_module_zz.dll"));
            std::vector<std::wstring> seen;
            floor.push_back(Milliseconds([&] { seen = SnapshotEveryProcess(); }));
            paths = seen.size();
            withVersions.push_back(floor.back() + Milliseconds([&] {
                for (const std::wstring& path : std::set<std::wstring>(seen.begin(), seen.end())) ReadFileVersion(path);
            }));
            for (std::size_t w = 0; w < std::size(kWorkers); ++w) {
                nothing[w].push_back(SearchMilliseconds(L"no_such_module_zz.dll", kWorkers[w]));
                nothingRatio[w].push_back(nothing[w].back() / floor.back());
                everything[w].push_back(SearchMilliseconds(L"", kWorkers[w]));
                everythingRatio[w].push_back(everything[w].back() / withVersions.back());
            }
        }
        const auto perPath = [&](const std::vector<double>& times) { return Median(times) / static_cast<double>(paths); };
        // The console program's search against the search alone plus the program's start (its usage printed).
        std::vector<double> console, alone;
        for (int round = 0; round < rounds; ++round) {
            const double started = ConsoleMilliseconds(L"/?");
            alone.push_back(SearchMilliseconds(L"no_such_module_zz.dll", 0) + started);
            console.push_back(ConsoleMilliseconds(L"no_such_module_zz.dll"));
        }
        std::printf("         vennick-cli, nothing matching: %.1f ms against search alone + its start %.1f ms: %.3f\n",
                    Median(console), Median(alone), Median(console) / Median(alone));
        std::printf("%7d  %5zu  %9.3f  %5.3f/%5.3f/%5.3f  %5.3f/%5.3f/%5.3f  %13.3f  %5.3f/%5.3f/%5.3f  %5.3f/%5.3f/%5.3f"
                    "  %8.1f\n",
                    moduleCount, paths, perPath(floor), perPath(nothing[0]), perPath(nothing[1]), perPath(nothing[2]),
                    Median(nothingRatio[0]), Median(nothingRatio[1]), Median(nothingRatio[2]), perPath(withVersions),
                    perPath(everything[0]), perPath(everything[1]), perPath(everything[2]), Median(everythingRatio[0]),
                    Median(everythingRatio[1]), Median(everythingRatio[2]), static_cast<double>(peak) / 1024.0);
    }
    return 0;
}
