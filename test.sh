#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test
# headless; then once more under AddressSanitizer and UndefinedBehaviorSanitizer.
# The build settings are the presets of CMakePresets.json ("dev", "asan").
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs="$(nproc)"

cmake --preset dev >/dev/null
cmake --build --preset dev -j"$jobs"
ctest --preset dev -j"$jobs"

if [ "${ZENSOMAT_SKIP_SANITIZERS:-0}" != 1 ]; then
  # Qt keeps some allocations until process exit; leaks are not what this run looks for.
  cmake --preset asan >/dev/null
  cmake --build --preset asan -j"$jobs"
  ctest --preset asan -j"$jobs"
fi
