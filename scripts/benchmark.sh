#!/usr/bin/env bash
# Runs the benchmarks under Wine (not tests; figures, not verdicts):
#   scripts/benchmark.sh [helpers=40] [modules=25] [rounds=9]
#     the search against a bare walk of the same process-status calls;
#   then the results list taking 10,000 rows (on a virtual X server).
set -euo pipefail
. "$(dirname "$0")/session.sh"
prepare_windows_build
start_wine_session
wine "$build/windows/bin/search_benchmark.exe" "$@"
wine "$build/windows/bin/results_list_benchmark.exe"
