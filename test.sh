#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test
# headless; then once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENSOMAT_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

if [ "${ZENSOMAT_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENSOMAT_WERROR=ON -DZENSOMAT_SANITIZE=ON >/dev/null
  cmake --build build-asan -j"$jobs"
  # Qt keeps some allocations until process exit; leaks are not what this run looks for.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi
