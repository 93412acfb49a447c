#!/usr/bin/env bash
# Runs the benchmarks under Wine (not tests; figures, not verdicts):
#   scripts/benchmark.sh [helpers=8] [rounds=3]
#     the search per module path, at 10, 40 and 160 modules a process, against one
#     tool-help module snapshot per process, and with every module matching against
#     that plus one version read per distinct path (see bench/search_benchmark.cpp);
#   then the results list taking 10,000 rows (on a virtual X server).
set -euo pipefail
. "$(dirname "$0")/session.sh"
prepare_windows_build
start_wine_session
wine "$build/windows/bin/search_benchmark.exe" "$@"
wine "$build/windows/bin/results_list_benchmark.exe"
