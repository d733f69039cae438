#!/usr/bin/env bash
# Builds the layout fuzzer with clang into build-fuzz/ and runs it for the
# given number of seconds (default 600). New inputs go to build-fuzz/corpus,
# findings (crash-*, timeout-*, oom-*) to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DRAVLO_BUILD_GUI=OFF -DRAVLO_BUILD_TESTS=OFF -DRAVLO_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target layout_fuzzer -j2
mkdir -p "$build/corpus" "$build/findings"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
  "$build/fuzz/layout_fuzzer" "$build/corpus" fuzz/corpus examples tests/fixtures \
  -dict=fuzz/layout.dict -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/findings/"
