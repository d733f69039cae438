#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the
# formatting check, the core tests, the window tests under Xvfb when there is
# no display, the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
scripts/build.sh

echo "== formatting"
scripts/check-format.sh

echo "== core tests"
ctest --test-dir build -L core --output-on-failure -j"$(nproc)"

echo "== window tests"
if [ -n "${DISPLAY:-}" ]; then
  ctest --test-dir build -L gl --output-on-failure
else
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build -L gl --output-on-failure
fi

echo "== core tests with sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRAVLO_BUILD_GUI=OFF -DRAVLO_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -L core --output-on-failure -j"$(nproc)"

