// Measures how long the main window's results list takes to take 10,000 rows written
// the way a search writes them, with redrawing off (as a search does), against the
// same rows written to the in-memory list; and, for contrast, 500 rows with redrawing
// on (far slower under Wine). Needs a display.
//
//   results_list_benchmark.exe [rows=10000] [rounds=5]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "search/MemoryResultsList.h"
#include "search/ModuleSearch.h"
#include "window/MainWindow.h"
#include "platform/ui/ListView.h"

namespace {

constexpr int kRedrawingRows = 500;

void WriteRows(ResultsList& list, int rows)
{
    for (int row = 0; row < rows; ++row) {
        const MatchedModule module{L"C:\\Windows\\System32\\module" + std::to_wstring(row % 50) + L".dll",
                                   ModuleCopy::Same, L"10.0.19041.1", std::nullopt, std::nullopt};
        list.Add(HitRow(1000 + row % 200, L"C:\\Program Files\\Product\\program" + std::to_wstring(row % 200) + L".exe",
                        module));
    }
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

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int rows = argc > 1 ? std::stoi(argv[1]) : 10'000;
    const int rounds = argc > 2 ? std::stoi(argv[2]) : 5;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    MainWindow window;
    if (!window.Create()) return 1;
    window.Show();
    ResultsList& list = window.Results();
    const HWND listView = window.ControlHandle(main_window::Control::ResultsList);

    std::vector<double> memory, quiet, redrawing;
    for (int round = 0; round < rounds; ++round) {
        memory.push_back(Milliseconds([&] {
            MemoryResultsList inMemory;
            WriteRows(inMemory, rows);
        }));
        list.Clear();
        quiet.push_back(Milliseconds([&] {
            const ListViewRedrawSuspended suspended(listView);
            WriteRows(list, rows);
        }));
        list.Clear();
        UpdateWindow(listView);
        redrawing.push_back(Milliseconds([&] {
            WriteRows(list, kRedrawingRows);
            UpdateWindow(listView);
        }));
        list.Clear();
    }
    std::printf("%d rows, median of %d rounds\n", rows, rounds);
    std::printf("in-memory list            %8.1f ms\n", Median(memory));
    std::printf("list view, redrawing off  %8.1f ms\n", Median(quiet));
    std::printf("list view, redrawing on   %8.1f ms for %d rows\n", Median(redrawing), kRedrawingRows);
    return 0;
}
